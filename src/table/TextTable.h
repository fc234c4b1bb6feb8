#pragma once

// Layer table: the text table, its order and the writers that turn it into bytes; uses base,
// Qt Core, libxlsxwriter and ICU.

#include "table/PathStore.h"
#include "table/TextStore.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>
#include <limits>
#include <memory>
#include <vector>

namespace quillfen {

class RowSelection;

// The texts of a list as a table: a text per row (a path, as a rule), sub-items for the
// further columns and a tick per row. Rows are plain values in vectors by column (no object
// per row, and no room for a column's cells until one is set); the row texts live in a
// PathStore, which tables can share, and the sub-items in a TextStore, so a table holds ten
// million rows compactly. Indexes are 0-based; sub-item k (k >= 1) is the cell of column k.
// Any access to a row, sub-item or column that does not exist throws a Failure.
class TextTable {
public:
    // Columns. Each may carry an id that says what it holds (a date's kind, say), so code finds
    // a column by what it is rather than by its header, which a translation changes.
    static constexpr int kNoId = -1;
    void addColumn(const QString& header, int id = kNoId);
    // Puts a new, empty column at `column` (1 to columns()); the columns from there on move
    // one to the right with their texts, keys and key texts.
    void insertColumn(int column, const QString& header, int id = kNoId);
    void removeAllColumns();
    int columns() const { return static_cast<int>(m_headers.size()); }
    QString header(int column) const;
    int columnId(int column) const;
    // The first column with this id, or -1.
    int columnWithId(int id) const;

    // Rows
    void appendRow(const QString& text);
    void appendRows(const QStringList& texts);
    // Appends rows whose texts are given as UTF-8, one after the other: row i's text ends at
    // ends[i] and begins where row i - 1's ended.
    void appendUtf8Rows(QByteArrayView texts, const std::vector<quint32>& ends);
    void appendUtf8Row(QByteArrayView text);
    // A row's text with the store that holds it, which stays readable whatever becomes of the
    // table it came from.
    struct SharedText {
        std::shared_ptr<PathStore> store;
        PathStore::Ref ref = 0;

        void appendTo(QByteArray& out) const
        {
            if (store)
                store->pieces(ref).appendTo(out);
        }
    };
    // Appends a row with that text. An empty table takes on the text's store, which the two
    // tables then share, so the text is not copied; a table holding rows of another store
    // copies it.
    void appendRow(const SharedText& text);
    void removeRowAt(int row);
    // Makes room for `rows` rows in all, with the sub-items and keys set so far, so appending
    // that many one by one never moves the rows already there (at a million rows a move is a
    // stall).
    void reserveRows(int rows);
    // Removes the given rows (ascending, each once) in one pass over the table.
    void removeRows(const std::vector<int>& rows);
    void removeAllRows();
    // Puts the rows in a new order: row i becomes the row that was at order[i]. `order` holds
    // every row once. Texts, sub-items, keys and ticks move with their rows.
    //
    // `room` is where the columns are gathered: made beforehand (on the thread that worked out
    // the order, say), putting the rows in order does not also wait for fresh memory, which at
    // ten million rows is a third of the wait.
    struct ColumnCopy;
    class ReorderRoom {
    public:
        // Takes the room, with each of its pages touched; any thread may. The arrays of the
        // copy the order was worked out from serve again where they fit.
        void take(ColumnCopy&& used);

    private:
        friend class TextTable;
        std::size_t m_rows = 0;
        bool m_forKeys = false;
        // The row texts and the keys, the longest columns; the cells take theirs as they go.
        std::vector<PathStore::Ref> m_texts;
        std::vector<qint64> m_keys;
    };
    ReorderRoom reorderRoom() const; // for this table as it is now; not taken yet
    void reorderRows(const std::vector<int>& order, ReorderRoom room);
    void reorderRows(const std::vector<int>& order) { reorderRows(order, ReorderRoom()); }
    int rows() const { return static_cast<int>(m_texts.size()); }

    QString text(int row) const;
    // The row's text as the store keeps it, UTF-8, appended to `out`.
    void appendTextUtf8(int row, QByteArray& out) const { appendCellUtf8(row, 0, out); }
    // The row's text with the store that holds it, to read or to share with another table.
    SharedText sharedText(int row) const;
    // The row's text as UTF-8, valid until a row text is read again (any way but text()) or
    // the table changes.
    QByteArrayView textView(int row) const { return m_paths->view(pathRef(row), m_pathText); }
    // What orders a column, copied as it is now for another thread to read while this table
    // goes on changing: the keys of a sub-item that has any, else the cells' texts (their
    // references, with the stores' blocks shared rather than copied).
    struct ColumnCopy {
        std::vector<qint64> keys;             // by row; empty without keys
        PathStore::Frozen paths;              // for column 0,
        std::vector<PathStore::Ref> pathRefs; // by row
        TextStore::Frozen texts;              // for a sub-item without keys,
        std::vector<TextStore::Ref> refs;     // by row
    };
    ColumnCopy copyColumn(int column) const;
    void setText(int row, const QString& text);
    QString subItem(int row, int k) const;
    void setSubItem(int row, int k, const QString& text);
    void setSubItemUtf8(int row, int k, QByteArrayView text);
    // Column 0 is the row text, column k > 0 its sub-item k.
    QString cell(int row, int column) const;
    // The cell's length in UTF-16 code units and the cell appended to a text, both without
    // building the cell's text on its own (the writers read every cell).
    qsizetype cellLength(int row, int column) const;
    qsizetype cellUtf8Size(int row, int column) const;
    void appendCellUtf8(int row, int column, QByteArray& out) const;
    bool isChecked(int row) const;
    void setChecked(int row, bool checked);
    void setAllChecked(bool checked);
    // How many rows are ticked, of all or of those selected.
    int checkedRows() const { return m_checkedRows; }
    int checkedRows(const RowSelection& rows) const;

    // What orders a sub-item's cell where its text would not: a date's instant, say. kNoKey
    // where there is none; kept only for the columns that are given one.
    static constexpr qint64 kNoKey = std::numeric_limits<qint64>::min();
    void setSubItemKey(int row, int k, qint64 key);
    qint64 subItemKey(int row, int k) const;

    // Makes sub-item k's text from its key, where the cell has one, when it is read: a date's
    // text from its instant, so a million dates cost no text each. Until the columns are
    // removed.
    using KeyText = std::function<void(qint64 key, QByteArray& text)>;
    void setKeyText(int k, KeyText text);

    // Changes whenever rows or columns that were there go away or change their text: a reader
    // that lets other work run between cells compares it before and after to know whether it
    // still reads the table it started on. Appending rows and setting sub-items of new rows
    // leave it as it is.
    quint64 revision() const { return m_revision; }

private:
    // Calls `change` with each column's cell references and each column's keys: vectors by
    // row that are empty or stop short of the rows until a later cell is set.
    template <typename Change> void forEachCellColumn(Change&& change);
    void checkRow(int row) const;
    void checkSubItem(int k) const;
    PathStore::Ref pathRef(int row) const;
    // A sub-item's reference into m_store (column > 0).
    TextStore::Ref cellRef(int row, int column) const;
    // The cell's text as UTF-8: in the store, or made from its key (valid until the next call).
    QByteArrayView cellBytes(int row, int column) const;
    void appendRowRef(PathStore::Ref ref);
    void setSubItemRef(int row, int k, TextStore::Ref ref);

    QStringList m_headers;
    std::vector<int> m_columnIds;
    // Never null; shared with the tables that took rows from this one, or it from them.
    std::shared_ptr<PathStore> m_paths = std::make_shared<PathStore>();
    std::vector<PathStore::Ref> m_texts; // by row
    TextStore m_store;                   // the sub-items' texts
    // By column (column 0, the row text, has none): empty, or as long as the rows that were
    // there when a sub-item was set.
    std::vector<std::vector<TextStore::Ref>> m_cells;
    std::vector<bool> m_checked;
    int m_checkedRows = 0;
    // By column (column 0, the row text, has none): empty, or as long as the rows that were
    // there when a key was set.
    std::vector<std::vector<qint64>> m_keys;
    std::vector<KeyText> m_keyTexts; // by column
    mutable QByteArray m_keyText;
    mutable QByteArray m_pathText;
    quint64 m_revision = 0;
};

// The rows a writer goes through, in order: every row of a table, or only those listed
// (the rows a filter shows, say). The list is not copied and must outlive the selection.
class RowSelection {
public:
    RowSelection() = default;
    explicit RowSelection(const std::vector<int>* rows)
        : m_rows(rows)
    {
    }

    bool isAll() const { return m_rows == nullptr; }
    int count(const TextTable& table) const
    {
        return m_rows != nullptr ? static_cast<int>(m_rows->size()) : table.rows();
    }
    int at(int i) const { return m_rows != nullptr ? (*m_rows)[static_cast<std::size_t>(i)] : i; }

private:
    const std::vector<int>* m_rows = nullptr;
};

} // namespace quillfen
