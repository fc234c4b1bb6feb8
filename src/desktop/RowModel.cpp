#include "desktop/RowModel.h"

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
    beginInsertRows({}, m_published, rows() - 1);
    m_published = rows();
    endInsertRows();
}

void RowModel::cellChanged(int row, int column, int role)
{
    if (!isPublished(row))
        return;
    const QModelIndex at = index(row, column);
    emit dataChanged(at, at, {role});
}

void RowModel::addColumn(const QString& header, int id)
{
    const int at = columns();
    beginInsertColumns({}, at, at);
    m_table.addColumn(header, id);
    endInsertColumns();
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

void RowModel::appendRow(const TextStore::Shared& text)
{
    m_table.appendRow(text);
    schedulePublish();
}

void RowModel::removeRowAt(int row)
{
    m_table.text(row); // bounds check, before the views hear of it
    const bool published = isPublished(row);
    if (published)
        beginRemoveRows({}, row, row);
    m_table.removeRowAt(row);
    if (published) {
        --m_published;
        endRemoveRows();
    }
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
    m_table.removeRows(rows);
    m_published = m_table.rows();
    endResetModel();
}

void RowModel::reorderRows(const std::vector<int>& order)
{
    publishPending();
    beginResetModel();
    m_table.reorderRows(order);
    endResetModel();
}

void RowModel::setRowsChecked(const std::vector<int>& rows, bool checked)
{
    for (const int row : rows)
        m_table.setChecked(row, checked);
    if (m_published > 0 && !rows.empty())
        emit dataChanged(index(0, 0), index(m_published - 1, 0), {Qt::CheckStateRole});
}

void RowModel::removeAllRows()
{
    if (rows() == 0)
        return;
    m_publishTimer.stop();
    beginResetModel();
    m_table.removeAllRows();
    m_published = 0;
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

void RowModel::setChecked(int row, bool checked)
{
    m_table.setChecked(row, checked);
    cellChanged(row, 0, Qt::CheckStateRole);
}

void RowModel::setAllChecked(bool checked)
{
    m_table.setAllChecked(checked);
    if (m_published > 0)
        emit dataChanged(index(0, 0), index(m_published - 1, 0), {Qt::CheckStateRole});
}

int RowModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_published;
}

int RowModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns();
}

QVariant RowModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_published || index.column() >= columns())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_table.cell(index.row(), index.column());
    case Qt::CheckStateRole:
        if (m_checkable && index.column() == 0)
            return m_table.isChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
        return {};
    default:
        return {};
    }
}

bool RowModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!m_checkable || role != Qt::CheckStateRole || !index.isValid() || index.column() != 0)
        return false;
    setChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
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
