#include "table/TextTable.h"

#include "base/Failure.h"

#include <algorithm>

namespace quillfen {

namespace {

Failure badIndex(const char* what, int index)
{
    return Failure(
        QStringLiteral("Index out of bounds (%1 %2)").arg(QLatin1String(what)).arg(index));
}

} // namespace

void TextTable::addColumn(const QString& header)
{
    m_headers.append(header);
    widenRows(columns() - 1);
    ++m_revision;
}

void TextTable::removeAllColumns()
{
    m_headers.clear();
    // The rows keep their texts and ticks; sub-items go with their columns, so columns added
    // again start empty.
    std::fill(m_subItems.begin(), m_subItems.end(), 0);
    ++m_revision;
}

QString TextTable::header(int column) const
{
    if (column < 0 || column >= columns())
        throw badIndex("column", column);
    return m_headers.at(column);
}

void TextTable::widenRows(int subItems)
{
    if (subItems <= m_stride)
        return;
    std::vector<TextStore::Ref> wider(m_texts.size() * static_cast<size_t>(subItems), 0);
    for (size_t row = 0; row < m_texts.size(); ++row) {
        for (int k = 0; k < m_stride; ++k)
            wider[row * static_cast<size_t>(subItems) + static_cast<size_t>(k)] =
                m_subItems[row * static_cast<size_t>(m_stride) + static_cast<size_t>(k)];
    }
    m_subItems = std::move(wider);
    m_stride = subItems;
}

void TextTable::appendRow(const QString& text)
{
    appendRowRef(m_store.add(text));
}

void TextTable::appendRows(const QStringList& texts)
{
    for (const QString& text : texts) {
        m_texts.push_back(m_store.add(text));
        m_checked.push_back(false);
    }
    m_subItems.resize(m_texts.size() * static_cast<size_t>(m_stride), 0);
}

void TextTable::appendUtf8Rows(QByteArrayView texts, const std::vector<quint32>& ends)
{
    qsizetype begin = 0;
    for (const quint32 end : ends) {
        m_texts.push_back(m_store.addUtf8(texts.sliced(begin, end - begin)));
        m_checked.push_back(false);
        begin = end;
    }
    m_subItems.resize(m_texts.size() * static_cast<size_t>(m_stride), 0);
}

void TextTable::appendUtf8Row(QByteArrayView text)
{
    appendRowRef(m_store.addUtf8(text));
}

void TextTable::appendRow(const TextStore::Shared& text)
{
    appendRowRef(m_store.add(text));
}

void TextTable::appendRowRef(TextStore::Ref ref)
{
    m_texts.push_back(ref);
    m_subItems.resize(m_subItems.size() + static_cast<size_t>(m_stride), 0);
    m_checked.push_back(false);
}

TextStore::Shared TextTable::sharedText(int row) const
{
    checkRow(row);
    return m_store.shared(m_texts[static_cast<size_t>(row)]);
}

void TextTable::removeRowAt(int row)
{
    checkRow(row);
    m_checkedRows -= m_checked[static_cast<size_t>(row)] ? 1 : 0;
    m_texts.erase(m_texts.begin() + row);
    const auto firstSub = m_subItems.begin() + static_cast<std::ptrdiff_t>(row) * m_stride;
    m_subItems.erase(firstSub, firstSub + m_stride);
    m_checked.erase(m_checked.begin() + row);
    ++m_revision;
}

void TextTable::removeAllRows()
{
    m_texts = {};
    m_subItems = {};
    m_checked = {};
    m_checkedRows = 0;
    m_store.clear();
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

TextStore::Ref TextTable::cellRef(int row, int column) const
{
    checkRow(row);
    if (column == 0)
        return m_texts[static_cast<size_t>(row)];
    checkSubItem(column);
    if (column > m_stride)
        return 0;
    return m_subItems[static_cast<size_t>(row) * static_cast<size_t>(m_stride)
                      + static_cast<size_t>(column - 1)];
}

QString TextTable::text(int row) const
{
    return m_store.text(cellRef(row, 0));
}

void TextTable::setText(int row, const QString& text)
{
    checkRow(row);
    m_texts[static_cast<size_t>(row)] = m_store.add(text);
    ++m_revision;
}

QString TextTable::subItem(int row, int k) const
{
    checkSubItem(k);
    return m_store.text(cellRef(row, k));
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
    widenRows(k);
    m_subItems[static_cast<size_t>(row) * static_cast<size_t>(m_stride)
               + static_cast<size_t>(k - 1)] = ref;
}

qsizetype TextTable::cellLength(int row, int column) const
{
    return m_store.length(cellRef(row, column));
}

qsizetype TextTable::cellUtf8Size(int row, int column) const
{
    return TextStore::utf8Size(cellRef(row, column));
}

void TextTable::appendCellUtf8(int row, int column, QByteArray& out) const
{
    m_store.appendUtf8To(cellRef(row, column), out);
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

void TextTable::setAllChecked(bool checked)
{
    std::fill(m_checked.begin(), m_checked.end(), checked);
    m_checkedRows = checked ? rows() : 0;
}

} // namespace quillfen
