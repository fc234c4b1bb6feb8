#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include "table/TextTable.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

namespace quillfen {

// The model a list control shows: a TextTable (which it owns) and the notifications its
// views need. Every change goes through it so the views stay in step; the table itself can be
// read directly (table()), as the writers do. data() only looks a cell up.
//
// Appended rows count at once for the program (rows()), but views learn of them in blocks:
// a view re-lays out all its rows on every insertion, which row-by-row would make filling a
// long list quadratic. Pending rows are announced by a short timer that fires while a long
// operation yields, or at once by publishPending().
class RowModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RowModel(bool checkable, QObject* parent = nullptr);

    const TextTable& table() const { return m_table; }

    // Columns (see TextTable)
    void addColumn(const QString& header, int id = TextTable::kNoId);
    void insertColumn(int column, const QString& header, int id = TextTable::kNoId);
    void removeAllColumns();
    int columns() const { return m_table.columns(); }
    QString header(int column) const { return m_table.header(column); }
    int columnId(int column) const { return m_table.columnId(column); }
    int columnWithId(int id) const { return m_table.columnWithId(id); }

    // The column and direction the rows were last sorted by, which views show in their header;
    // none once the rows come in another order.
    struct Sorting {
        int column;
        Qt::SortOrder order;
        bool operator==(const Sorting&) const = default;
    };
    std::optional<Sorting> sorting() const { return m_sorting; }
    void setSorting(std::optional<Sorting> sorting);

    // Rows (see TextTable)
    void appendRow(const QString& text);
    void appendRows(const QStringList& texts);
    void appendUtf8Rows(QByteArrayView texts, const std::vector<quint32>& ends);
    void appendUtf8Row(QByteArrayView text);
    void appendRow(const TextTable::SharedText& text);
    void reserveRows(int rows) { m_table.reserveRows(rows); }
    // Announces appended rows to the views now.
    void publishPending();
    void removeRowAt(int row);
    // Removes the given rows (ascending, each once).
    void removeRows(const std::vector<int>& rows);
    void removeAllRows();
    // See TextTable::reorderRows; the views show the new order at once.
    void reorderRows(const std::vector<int>& order, TextTable::ReorderRoom room = {});
    int rows() const { return m_table.rows(); }

    QString text(int row) const { return m_table.text(row); }
    TextTable::SharedText sharedText(int row) const { return m_table.sharedText(row); }
    void setText(int row, const QString& text);
    QString subItem(int row, int k) const { return m_table.subItem(row, k); }
    void setSubItem(int row, int k, const QString& text);
    void setSubItemUtf8(int row, int k, QByteArrayView text);
    void setSubItemKey(int row, int k, qint64 key);
    // Sets the keys of sub-item k of the first keys.size() rows, telling the views once.
    void setSubItemKeys(int k, const std::vector<qint64>& keys);
    void setKeyText(int k, TextTable::KeyText text) { m_table.setKeyText(k, std::move(text)); }
    QString cell(int row, int column) const { return m_table.cell(row, column); }
    bool isCheckable() const { return m_checkable; }

    // A note on a cell, which views show as its tooltip and its text in `colour`: a value that
    // changed since a snapshot. `note` gives "" for a cell without one.
    using CellNote = std::function<QString(const TextTable& table, int row, int column)>;
    void setCellNote(CellNote note, const QColor& colour);
    bool isChecked(int row) const { return m_table.isChecked(row); }
    void setChecked(int row, bool checked);
    // Ticks or unticks the given rows, telling the views once.
    void setRowsChecked(const std::vector<int>& rows, bool checked);
    void setAllChecked(bool checked);

    // Showing only some rows (the results' filter). Views then see the rows that pass `test`,
    // in the table's order; every other operation still speaks of table rows. `passing`
    // (ascending) are those among the first `examined` rows of the table, which the caller
    // tested already (in slices, say); the rest and the rows appended later are tested as
    // they are published. Sorting, removing and ticking keep the rows shown as they are.
    using RowTest = std::function<bool(const TextTable& table, int row)>;
    void showOnly(RowTest test, std::vector<int> passing, int examined);
    void showAll();
    bool isFiltered() const { return static_cast<bool>(m_test); }
    // The table rows shown, ascending, when filtered; null when every row is.
    const std::vector<int>* shownRows() const { return m_test ? &m_shown : nullptr; }
    // How many rows views show, and where a view's row is in the table and back (-1: not shown).
    int shownCount() const { return rowCount(); }
    int tableRow(int viewRow) const;
    int viewRow(int tableRow) const;

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void sortingChanged();

private:
    void schedulePublish();
    bool isPublished(int row) const { return row < m_published; }
    // Tells the views that every row's tick may have changed.
    void allTicksChanged();
    // Tells the views that one cell changed, when they know of its row.
    void cellChanged(int row, int column, int role);

    const bool m_checkable;
    TextTable m_table;
    int m_published = 0;      // table rows the views know of (or that were tested): the first ones
    RowTest m_test;           // set while only some rows are shown
    std::vector<int> m_shown; // those rows, ascending
    QTimer m_publishTimer;
    std::optional<Sorting> m_sorting;
    CellNote m_cellNote;
    QColor m_noteColour;
};

} // namespace quillfen
