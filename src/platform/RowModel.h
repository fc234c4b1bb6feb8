#pragma once

#include "platform/TextStore.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QTimer>

#include <vector>

namespace quillfen {

// The rows of one list control: a text per row, sub-items for the further columns and a
// tick. Rows are plain values in one vector (no item object per row), so a list holds a
// million rows; data() only looks a cell up. Indexes are 0-based; sub-item k (k >= 1) is
// the cell of column k. Any access to a row, sub-item or column that does not exist throws
// a Failure, which the calling command reports.
//
// Appended rows count at once for the program (rows()), but views learn of them in blocks:
// a view re-lays out all its rows on every insertion, which row-by-row would make filling a
// long list quadratic. Pending rows are announced by a short timer that fires while a long
// operation yields, or at once by publishPending().
class RowModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RowModel(bool checkable, QObject* parent = nullptr);

    // Columns
    void addColumn(const QString& header);
    void removeAllColumns();
    int columns() const { return static_cast<int>(m_headers.size()); }
    QString header(int column) const;

    // Rows
    void appendRow(const QString& text);
    void appendRows(const QStringList& texts);
    // Appends rows whose texts are given as UTF-8, one after the other: row i's text ends at
    // ends[i] and begins where row i - 1's ended.
    void appendUtf8Rows(QByteArrayView texts, const std::vector<quint32>& ends);
    void appendUtf8Row(QByteArrayView text);
    // Appends a row whose text is shared with the store it came from, not copied.
    void appendRow(const TextStore::Shared& text);
    // Announces appended rows to the views now.
    void publishPending();
    void removeRowAt(int row);
    void removeAllRows();
    int rows() const { return static_cast<int>(m_texts.size()); }

    QString text(int row) const;
    // The row's text as the store keeps it, UTF-8, appended to `out`.
    void appendTextUtf8(int row, QByteArray& out) const { appendCellUtf8(row, 0, out); }
    // The row's text with the block that holds it, to read or to share with another list.
    TextStore::Shared sharedText(int row) const;
    void setText(int row, const QString& text);
    QString subItem(int row, int k) const;
    void setSubItem(int row, int k, const QString& text);
    void setSubItemUtf8(int row, int k, QByteArrayView text);
    // Column 0 is the row text, column k > 0 its sub-item k.
    QString cell(int row, int column) const
    {
        return column == 0 ? text(row) : subItem(row, column);
    }
    // The cell's length in UTF-16 code units and the cell appended to a text, both without
    // building the cell's text on its own (the exports read every cell).
    qsizetype cellLength(int row, int column) const;
    qsizetype cellUtf8Size(int row, int column) const;
    void appendCellUtf8(int row, int column, QByteArray& out) const;
    bool isChecked(int row) const;
    void setChecked(int row, bool checked);
    void setAllChecked(bool checked);

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void checkRow(int row) const;
    void checkSubItem(int k) const;
    TextStore::Ref cellRef(int row, int column) const;
    void appendRowRef(TextStore::Ref ref);
    void setSubItemRef(int row, int k, TextStore::Ref ref);
    // Makes room for `subItems` sub-items per row.
    void widenRows(int subItems);
    void schedulePublish();
    bool isPublished(int row) const { return row < m_published; }

    const bool m_checkable;
    QStringList m_headers;
    // Column-wise storage: the row texts, then `m_stride` sub-items per row, then the ticks.
    TextStore m_store;
    std::vector<TextStore::Ref> m_texts;
    std::vector<TextStore::Ref> m_subItems;
    int m_stride = 0;
    std::vector<bool> m_checked;
    int m_published = 0; // rows the views know of: always the first ones
    QTimer m_publishTimer;
};

} // namespace quillfen
