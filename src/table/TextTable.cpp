#include "table/TextTable.h"
#include "base/Texts.h"

#include "base/Failure.h"
#include "base/Utf8.h"

#include <algorithm>
#include <functional>
#include <system_error>
#include <thread>

namespace quillfen {

namespace {

Failure badIndex(const char* what, int index)
{
    return Failure(texts::kIndexOutOfBounds().arg(QLatin1String(what)).arg(index));
}

// Calls `work` on [0, count / 2) on a thread of its own and on the rest here, when there is
// enough to share and a thread to be had; else on all of it here.
void inTwoHalves(std::size_t count, const std::function<void(std::size_t, std::size_t)>& work)
{
    constexpr std::size_t kWorthAThread = std::size_t(1) << 18;
    std::thread helper;
    std::size_t middle = 0;
    if (count >= kWorthAThread) {
        try {
            helper = std::thread(work, 0, count / 2);
            middle = count / 2;
        } catch (const std::system_error&) {
            middle = 0;
        }
    }
    work(middle, count);
    if (helper.joinable())
        helper.join();
}

} // namespace

template <typename Change> void TextTable::forEachCellColumn(Change&& change)
{
    for (std::vector<TextStore::Ref>& cells : m_cells)
        change(cells);
    for (std::vector<qint64>& keys : m_keys)
        change(keys);
}

void TextTable::addColumn(const QString& header, int id)
{
    m_headers.append(header);
    m_columnIds.push_back(id);
    ++m_revision;
}

void TextTable::insertColumn(int column, const QString& header, int id)
{
    if (column < 1 || column > columns())
        throw badIndex("column", column);
    const std::size_t at = static_cast<std::size_t>(column);
    if (m_cells.size() > at)
        m_cells.insert(m_cells.begin() + column, std::vector<TextStore::Ref>());
    if (m_keys.size() > at)
        m_keys.insert(m_keys.begin() + column, std::vector<qint64>());
    if (m_keyTexts.size() > at)
        m_keyTexts.insert(m_keyTexts.begin() + column, KeyText());
    m_headers.insert(column, header);
    m_columnIds.insert(m_columnIds.begin() + column, id);
    ++m_revision;
}

void TextTable::removeAllColumns()
{
    m_headers.clear();
    m_columnIds.clear();
    // The rows keep their texts and ticks; sub-items go with their columns, so columns added
    // again start empty.
    m_cells.clear();
    m_keys.clear();
    m_keyTexts.clear();
    ++m_revision;
}

QString TextTable::header(int column) const
{
    if (column < 0 || column >= columns())
        throw badIndex("column", column);
    return m_headers.at(column);
}

int TextTable::columnId(int column) const
{
    if (column < 0 || column >= columns())
        throw badIndex("column", column);
    return m_columnIds[static_cast<std::size_t>(column)];
}

int TextTable::columnWithId(int id) const
{
    const auto found = std::find(m_columnIds.begin(), m_columnIds.end(), id);
    return found == m_columnIds.end() ? -1 : static_cast<int>(found - m_columnIds.begin());
}

void TextTable::appendRow(const QString& text)
{
    appendRowRef(m_paths->add(text));
}

void TextTable::appendRows(const QStringList& texts)
{
    for (const QString& text : texts)
        appendRowRef(m_paths->add(text));
}

void TextTable::appendUtf8Rows(QByteArrayView texts, const std::vector<quint32>& ends)
{
    qsizetype begin = 0;
    for (const quint32 end : ends) {
        appendRowRef(m_paths->add(texts.sliced(begin, end - begin)));
        begin = end;
    }
}

void TextTable::appendUtf8Row(QByteArrayView text)
{
    appendRowRef(m_paths->add(text));
}

void TextTable::appendRow(const SharedText& text)
{
    if (text.ref == 0 || text.store == m_paths) {
        appendRowRef(text.ref);
        return;
    }
    if (m_texts.empty()) {
        m_paths = text.store;
        appendRowRef(text.ref);
        return;
    }
    m_pathText.resize(0);
    text.appendTo(m_pathText);
    appendRowRef(m_paths->add(QByteArrayView(m_pathText)));
}

void TextTable::appendRowRef(PathStore::Ref ref)
{
    m_texts.push_back(ref);
    m_checked.push_back(false);
}

void TextTable::reserveRows(int rows)
{
    const auto count = static_cast<std::size_t>(std::max(rows, 0));
    m_texts.reserve(count);
    m_checked.reserve(count);
    for (std::vector<TextStore::Ref>& cells : m_cells) {
        if (!cells.empty())
            cells.reserve(count);
    }
    // The keys of every column there is, which are set for every row as it comes.
    if (m_keys.size() < static_cast<std::size_t>(columns()))
        m_keys.resize(static_cast<std::size_t>(columns()));
    for (std::size_t k = 1; k < m_keys.size(); ++k)
        m_keys[k].reserve(count);
}

TextTable::SharedText TextTable::sharedText(int row) const
{
    checkRow(row);
    return {m_paths, m_texts[static_cast<size_t>(row)]};
}

void TextTable::removeRowAt(int row)
{
    checkRow(row);
    m_checkedRows -= m_checked[static_cast<size_t>(row)] ? 1 : 0;
    m_texts.erase(m_texts.begin() + row);
    m_checked.erase(m_checked.begin() + row);
    forEachCellColumn([&](auto& column) {
        if (static_cast<std::size_t>(row) < column.size())
            column.erase(column.begin() + row);
    });
    ++m_revision;
}

void TextTable::removeRows(const std::vector<int>& rows)
{
    if (rows.empty())
        return;
    for (const int row : rows)
        checkRow(row);
    for (const int row : rows)
        m_checkedRows -= m_checked[static_cast<std::size_t>(row)] ? 1 : 0;
    // Column by column, every row moves at most once: to the next free place, unless it goes.
    const auto compact = [&](auto& column) {
        std::size_t kept = 0;
        auto gone = rows.begin();
        for (std::size_t row = 0; row < column.size(); ++row) {
            if (gone != rows.end() && static_cast<std::size_t>(*gone) == row) {
                ++gone;
                continue;
            }
            column[kept++] = column[row];
        }
        column.resize(kept);
    };
    compact(m_texts);
    compact(m_checked);
    forEachCellColumn(compact);
    ++m_revision;
}

TextTable::ReorderRoom TextTable::reorderRoom() const
{
    ReorderRoom room;
    room.m_rows = m_texts.size();
    room.m_forKeys = std::any_of(m_keys.begin(), m_keys.end(),
                                 [](const std::vector<qint64>& keys) { return !keys.empty(); });
    return room;
}

void TextTable::ReorderRoom::take(ColumnCopy&& used)
{
    // The copy's arrays are as long as the rows and in memory already; the others are filled,
    // so that every page is touched here rather than while the window waits.
    if (used.pathRefs.size() == m_rows)
        m_texts = std::move(used.pathRefs);
    else
        m_texts.assign(m_rows, 0);
    if (m_forKeys) {
        if (used.keys.size() == m_rows)
            m_keys = std::move(used.keys);
        else
            m_keys.assign(m_rows, kNoKey);
    }
    used = {};
}

void TextTable::reorderRows(const std::vector<int>& order, ReorderRoom room)
{
    const std::size_t count = m_texts.size();
    if (order.size() != count) // an order made for other rows would read past them
        throw badIndex("row", static_cast<int>(order.size()));
    // A column at a time, gathered into a spare array that then takes the column's place (the
    // column's old array is the spare for the next column of its kind): the reads of a pass do
    // not wait for each other, where following the permutation's cycles waited for every row
    // in turn, and asking for a row some way ahead keeps many reads in flight. A long column
    // is gathered in two halves at once. At ten million rows the window waits 0.3 s for this
    // done plainly, under 0.1 s so.
    const auto gather = [&](auto& column, auto& spare) {
        spare.resize(count);
        inTwoHalves(count, [&](std::size_t begin, std::size_t end) {
            constexpr std::size_t kAhead = 32;
            for (std::size_t place = begin; place < end; ++place) {
                if (place + kAhead < end)
                    __builtin_prefetch(column.data() + order[place + kAhead]);
                spare[place] = column[static_cast<std::size_t>(order[place])];
            }
        });
        column.swap(spare);
    };
    gather(m_texts, room.m_texts);
    room.m_texts = {};
    // Ticks move only when some rows have one and some not (after a run, all have).
    if (m_checkedRows > 0 && static_cast<std::size_t>(m_checkedRows) < count) {
        std::vector<bool> moved(count);
        for (std::size_t place = 0; place < count; ++place)
            moved[place] = m_checked[static_cast<std::size_t>(order[place])];
        m_checked.swap(moved);
    }
    // A column's cells and keys may stop short of the rows.
    std::vector<TextStore::Ref> spareCells;
    for (std::vector<TextStore::Ref>& cells : m_cells) {
        if (!cells.empty()) {
            cells.resize(count, 0);
            gather(cells, spareCells);
        }
    }
    spareCells = {};
    std::vector<qint64> spareKeys = std::move(room.m_keys);
    for (std::vector<qint64>& keys : m_keys) {
        if (!keys.empty()) {
            keys.resize(count, kNoKey);
            gather(keys, spareKeys);
        }
    }
    ++m_revision;
}

void TextTable::setSubItemKey(int row, int k, qint64 key)
{
    checkRow(row);
    checkSubItem(k);
    if (m_keys.size() <= static_cast<std::size_t>(k))
        m_keys.resize(static_cast<std::size_t>(k) + 1);
    std::vector<qint64>& keys = m_keys[static_cast<std::size_t>(k)];
    if (keys.size() <= static_cast<std::size_t>(row))
        keys.resize(m_texts.size(), kNoKey);
    keys[static_cast<std::size_t>(row)] = key;
}

qint64 TextTable::subItemKey(int row, int k) const
{
    checkRow(row);
    checkSubItem(k);
    if (m_keys.size() <= static_cast<std::size_t>(k))
        return kNoKey;
    const std::vector<qint64>& keys = m_keys[static_cast<std::size_t>(k)];
    return static_cast<std::size_t>(row) < keys.size() ? keys[static_cast<std::size_t>(row)]
                                                       : kNoKey;
}

void TextTable::removeAllRows()
{
    m_texts = {};
    m_checked = {};
    m_checkedRows = 0;
    m_cells.clear();
    m_keys.clear();
    m_store.clear();
    // A table that shares the paths keeps them; this one starts a store of its own.
    m_paths = std::make_shared<PathStore>();
    ++m_revision;
}

void TextTable::checkRow(int row) const
{
    if (row < 0 || row >= rows())
        throw badIndex("row", row);
}

void TextTable::checkSubItem(int k) const
{
    // A sub-item exists only for a column after the first.
    if (k < 1 || k >= columns())
        throw badIndex("sub-item", k);
}

PathStore::Ref TextTable::pathRef(int row) const
{
    checkRow(row);
    return m_texts[static_cast<size_t>(row)];
}

TextStore::Ref TextTable::cellRef(int row, int column) const
{
    checkRow(row);
    checkSubItem(column);
    if (static_cast<std::size_t>(column) >= m_cells.size())
        return 0;
    const std::vector<TextStore::Ref>& cells = m_cells[static_cast<std::size_t>(column)];
    return static_cast<std::size_t>(row) < cells.size() ? cells[static_cast<std::size_t>(row)] : 0;
}

QString TextTable::text(int row) const
{
    return m_paths->text(pathRef(row));
}

TextTable::ColumnCopy TextTable::copyColumn(int column) const
{
    ColumnCopy copy;
    if (column != 0)
        checkSubItem(column);
    if (column > 0 && static_cast<std::size_t>(column) < m_keys.size()) {
        const std::vector<qint64>& keys = m_keys[static_cast<std::size_t>(column)];
        if (std::any_of(keys.begin(), keys.end(), [](qint64 key) { return key != kNoKey; })) {
            copy.keys = keys;
            copy.keys.resize(m_texts.size(), kNoKey); // keys may stop short of the rows
            return copy;
        }
    }
    if (column == 0) {
        copy.paths = m_paths->frozen();
        copy.pathRefs = m_texts;
        return copy;
    }
    copy.texts = m_store.frozen();
    if (static_cast<std::size_t>(column) < m_cells.size())
        copy.refs = m_cells[static_cast<std::size_t>(column)];
    copy.refs.resize(m_texts.size(), 0); // cells may stop short of the rows
    return copy;
}

void TextTable::setText(int row, const QString& text)
{
    checkRow(row);
    m_texts[static_cast<size_t>(row)] = m_paths->add(text);
    ++m_revision;
}

QString TextTable::subItem(int row, int k) const
{
    checkSubItem(k);
    return cell(row, k);
}

QString TextTable::cell(int row, int column) const
{
    const QByteArrayView bytes = cellBytes(row, column);
    return isAscii(bytes) ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
}

void TextTable::setKeyText(int k, KeyText text)
{
    checkSubItem(k);
    if (m_keyTexts.size() <= static_cast<std::size_t>(k))
        m_keyTexts.resize(static_cast<std::size_t>(k) + 1);
    m_keyTexts[static_cast<std::size_t>(k)] = std::move(text);
}

QByteArrayView TextTable::cellBytes(int row, int column) const
{
    if (column == 0)
        return m_paths->view(pathRef(row), m_pathText);
    const TextStore::Ref ref = cellRef(row, column); // also checks the cell is there
    if (column > 0 && static_cast<std::size_t>(column) < m_keyTexts.size()
        && m_keyTexts[static_cast<std::size_t>(column)]) {
        const qint64 key = subItemKey(row, column);
        if (key != kNoKey) {
            m_keyText.resize(0);
            m_keyTexts[static_cast<std::size_t>(column)](key, m_keyText);
            return m_keyText;
        }
    }
    return m_store.view(ref);
}

void TextTable::setSubItem(int row, int k, const QString& text)
{
    checkRow(row);
    checkSubItem(k);
    setSubItemRef(row, k, m_store.add(text));
}

void TextTable::setSubItemUtf8(int row, int k, QByteArrayView text)
{
    checkRow(row);
    checkSubItem(k);
    // Neighbouring rows often hold the same date (files made or copied together): the text
    // of the row above is then used again instead of being stored twice.
    if (row > 0) {
        const TextStore::Ref above = cellRef(row - 1, k);
        if (m_store.equals(above, text)) {
            setSubItemRef(row, k, above);
            return;
        }
    }
    setSubItemRef(row, k, m_store.addUtf8(text));
}

void TextTable::setSubItemRef(int row, int k, TextStore::Ref ref)
{
    if (m_cells.size() <= static_cast<std::size_t>(k))
        m_cells.resize(static_cast<std::size_t>(k) + 1);
    std::vector<TextStore::Ref>& cells = m_cells[static_cast<std::size_t>(k)];
    if (cells.size() <= static_cast<std::size_t>(row)) {
        if (ref == 0)
            return; // reads as empty already
        cells.resize(m_texts.size(), 0);
    }
    cells[static_cast<std::size_t>(row)] = ref;
}

qsizetype TextTable::cellLength(int row, int column) const
{
    return utf16Length(cellBytes(row, column));
}

qsizetype TextTable::cellUtf8Size(int row, int column) const
{
    return cellBytes(row, column).size();
}

void TextTable::appendCellUtf8(int row, int column, QByteArray& out) const
{
    out.append(cellBytes(row, column));
}

bool TextTable::isChecked(int row) const
{
    checkRow(row);
    return m_checked[static_cast<size_t>(row)];
}

void TextTable::setChecked(int row, bool checked)
{
    checkRow(row);
    auto tick = m_checked[static_cast<size_t>(row)];
    if (tick != checked)
        m_checkedRows += checked ? 1 : -1;
    tick = checked;
}

int TextTable::checkedRows(const RowSelection& rows) const
{
    if (rows.isAll())
        return m_checkedRows;
    int checked = 0;
    for (int i = 0; i < rows.count(*this); ++i)
        checked += isChecked(rows.at(i)) ? 1 : 0;
    return checked;
}

void TextTable::setAllChecked(bool checked)
{
    std::fill(m_checked.begin(), m_checked.end(), checked);
    m_checkedRows = checked ? rows() : 0;
}

} // namespace quillfen
