#include "desktop/RowModel.h"

#include <algorithm>

namespace quillfen {

namespace {

// How long appended rows wait before views learn of them: long enough that a view's
// re-layout stays a small share of the time, short enough to look live.
constexpr int kPublishBaseMs = 100;
constexpr int kRowsPerExtraMs = 10000;

} // namespace

RowModel::RowModel(bool checkable, QObject* parent)
    : QAbstractTableModel(parent)
    , m_checkable(checkable)
{
    m_publishTimer.setSingleShot(true);
    connect(&m_publishTimer, &QTimer::timeout, this, &RowModel::publishPending);
}

void RowModel::schedulePublish()
{
    if (!m_publishTimer.isActive())
        m_publishTimer.start(kPublishBaseMs + rows() / kRowsPerExtraMs);
}

void RowModel::publishPending()
{
    m_publishTimer.stop();
    if (m_published == rows())
        return;
    if (!m_test) {
        beginInsertRows({}, m_published, rows() - 1);
        m_published = rows();
        endInsertRows();
        return;
    }
    std::vector<int> passing;
    for (int row = m_published; row < rows(); ++row) {
        if (m_test(m_table, row))
            passing.push_back(row);
    }
    m_published = rows();
    if (passing.empty())
        return;
    const int first = static_cast<int>(m_shown.size());
    beginInsertRows({}, first, first + static_cast<int>(passing.size()) - 1);
    m_shown.insert(m_shown.end(), passing.begin(), passing.end());
    endInsertRows();
}

void RowModel::showOnly(RowTest test, std::vector<int> passing, int examined)
{
    beginResetModel();
    m_test = std::move(test);
    m_shown = std::move(passing);
    m_published = std::min(examined, rows());
    while (!m_shown.empty() && m_shown.back() >= m_published)
        m_shown.pop_back();
    endResetModel();
    publishPending(); // the rest now
}

void RowModel::showAll()
{
    if (!m_test)
        return;
    beginResetModel();
    m_test = {};
    m_shown = {};
    endResetModel();
}

int RowModel::tableRow(int viewRow) const
{
    if (!m_test)
        return viewRow;
    return viewRow >= 0 && viewRow < static_cast<int>(m_shown.size())
        ? m_shown[static_cast<std::size_t>(viewRow)]
        : -1;
}

int RowModel::viewRow(int tableRow) const
{
    if (!m_test)
        return isPublished(tableRow) ? tableRow : -1;
    const auto at = std::lower_bound(m_shown.begin(), m_shown.end(), tableRow);
    return at != m_shown.end() && *at == tableRow ? static_cast<int>(at - m_shown.begin()) : -1;
}

void RowModel::cellChanged(int row, int column, int role)
{
    const int shown = viewRow(row);
    if (shown < 0)
        return;
    const QModelIndex at = index(shown, column);
    emit dataChanged(at, at, {role});
}

void RowModel::allTicksChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}

void RowModel::addColumn(const QString& header, int id)
{
    const int at = columns();
    beginInsertColumns({}, at, at);
    m_table.addColumn(header, id);
    endInsertColumns();
}

void RowModel::insertColumn(int column, const QString& header, int id)
{
    beginInsertColumns({}, column, column);
    m_table.insertColumn(column, header, id);
    endInsertColumns();
}

void RowModel::setCellNote(CellNote note, const QColor& colour)
{
    m_cellNote = std::move(note);
    m_noteColour = colour;
    if (rowCount() > 0 && columns() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columns() - 1));
}

void RowModel::setSorting(std::optional<Sorting> sorting)
{
    m_sorting = sorting;
    emit sortingChanged();
}

void RowModel::removeAllColumns()
{
    if (columns() == 0)
        return;
    beginRemoveColumns({}, 0, columns() - 1);
    m_table.removeAllColumns();
    endRemoveColumns();
}

void RowModel::appendRow(const QString& text)
{
    m_table.appendRow(text);
    schedulePublish();
}

void RowModel::appendRows(const QStringList& texts)
{
    m_table.appendRows(texts);
    if (!texts.isEmpty())
        schedulePublish();
}

void RowModel::appendUtf8Rows(QByteArrayView texts, const std::vector<quint32>& ends)
{
    m_table.appendUtf8Rows(texts, ends);
    if (!ends.empty())
        schedulePublish();
}

void RowModel::appendUtf8Row(QByteArrayView text)
{
    m_table.appendUtf8Row(text);
    schedulePublish();
}

void RowModel::appendRow(const TextTable::SharedText& text)
{
    m_table.appendRow(text);
    schedulePublish();
}

void RowModel::removeRowAt(int row)
{
    m_table.text(row); // bounds check, before the views hear of it
    const int shown = viewRow(row);
    if (shown >= 0)
        beginRemoveRows({}, shown, shown);
    m_table.removeRowAt(row);
    if (m_test) {
        if (shown >= 0)
            m_shown.erase(m_shown.begin() + shown);
        for (auto later = std::lower_bound(m_shown.begin(), m_shown.end(), row);
             later != m_shown.end(); ++later)
            --*later;
    }
    if (isPublished(row))
        --m_published;
    if (shown >= 0)
        endRemoveRows();
}

void RowModel::removeRows(const std::vector<int>& rows)
{
    if (rows.empty())
        return;
    if (rows.size() == 1) {
        removeRowAt(rows.front());
        return;
    }
    publishPending(); // the views must know every row the table has before it changes
    beginResetModel();
    if (m_test) {
        // The rows kept move up by the number removed before them.
        std::vector<int> kept;
        kept.reserve(m_shown.size());
        auto gone = rows.begin();
        for (const int row : m_shown) {
            while (gone != rows.end() && *gone < row)
                ++gone;
            if (gone != rows.end() && *gone == row)
                continue;
            kept.push_back(row - static_cast<int>(gone - rows.begin()));
        }
        m_shown = std::move(kept);
    }
    m_table.removeRows(rows);
    m_published = m_table.rows();
    endResetModel();
}

void RowModel::reorderRows(const std::vector<int>& order, TextTable::ReorderRoom room)
{
    publishPending();
    beginResetModel();
    if (m_test) {
        // The same rows stay shown, at their new places.
        std::vector<bool> shown(order.size(), false);
        for (const int row : m_shown)
            shown[static_cast<std::size_t>(row)] = true;
        m_shown.clear();
        for (std::size_t place = 0; place < order.size(); ++place) {
            if (shown[static_cast<std::size_t>(order[place])])
                m_shown.push_back(static_cast<int>(place));
        }
    }
    m_table.reorderRows(order, std::move(room));
    endResetModel();
}

void RowModel::setRowsChecked(const std::vector<int>& rows, bool checked)
{
    for (const int row : rows)
        m_table.setChecked(row, checked);
    if (!rows.empty())
        allTicksChanged();
}

void RowModel::removeAllRows()
{
    if (rows() == 0)
        return;
    m_publishTimer.stop();
    beginResetModel();
    m_table.removeAllRows();
    m_published = 0;
    m_shown.clear();
    endResetModel();
}

void RowModel::setText(int row, const QString& text)
{
    m_table.setText(row, text);
    cellChanged(row, 0, Qt::DisplayRole);
}

void RowModel::setSubItem(int row, int k, const QString& text)
{
    m_table.setSubItem(row, k, text);
    cellChanged(row, k, Qt::DisplayRole);
}

void RowModel::setSubItemUtf8(int row, int k, QByteArrayView text)
{
    m_table.setSubItemUtf8(row, k, text);
    cellChanged(row, k, Qt::DisplayRole);
}

void RowModel::setSubItemKey(int row, int k, qint64 key)
{
    m_table.setSubItemKey(row, k, key);
    cellChanged(row, k, Qt::DisplayRole); // its text may come from the key
}

void RowModel::setSubItemKeys(int k, const std::vector<qint64>& keys)
{
    for (std::size_t row = 0; row < keys.size(); ++row)
        m_table.setSubItemKey(static_cast<int>(row), k, keys[row]);
    if (rowCount() > 0)
        emit dataChanged(index(0, k), index(rowCount() - 1, k), {Qt::DisplayRole});
}

void RowModel::setChecked(int row, bool checked)
{
    m_table.setChecked(row, checked);
    cellChanged(row, 0, Qt::CheckStateRole);
}

void RowModel::setAllChecked(bool checked)
{
    m_table.setAllChecked(checked);
    allTicksChanged();
}

int RowModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_test ? static_cast<int>(m_shown.size()) : m_published;
}

int RowModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns();
}

QVariant RowModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columns())
        return {};
    const int row = tableRow(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return m_table.cell(row, index.column());
    case Qt::CheckStateRole:
        if (m_checkable && index.column() == 0)
            return m_table.isChecked(row) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ForegroundRole:
    case Qt::ToolTipRole: {
        if (!m_cellNote)
            return {};
        const QString note = m_cellNote(m_table, row, index.column());
        if (note.isEmpty())
            return {};
        return role == Qt::ForegroundRole ? QVariant(m_noteColour) : QVariant(note);
    }
    default:
        return {};
    }
}

bool RowModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!m_checkable || role != Qt::CheckStateRole || !index.isValid() || index.column() != 0)
        return false;
    setChecked(tableRow(index.row()), value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

Qt::ItemFlags RowModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (m_checkable && index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant RowModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
        && section < columns())
        return m_table.header(section);
    return {};
}

} // namespace quillfen
