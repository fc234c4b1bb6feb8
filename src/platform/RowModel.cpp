#include "platform/RowModel.h"

#include "platform/Failure.h"

namespace quillfen {

namespace {
Failure badIndex(const char* what, int index)
{
    return Failure(QStringLiteral("Index out of bounds (%1 %2)").arg(QLatin1String(what)).arg(index));
}
} // namespace

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

void RowModel::addColumn(const QString& header)
{
    const int at = columns();
    beginInsertColumns({}, at, at);
    m_headers.append(header);
    endInsertColumns();
}

void RowModel::removeAllColumns()
{
    if (m_headers.isEmpty())
        return;
    beginRemoveColumns({}, 0, columns() - 1);
    m_headers.clear();
    endRemoveColumns();
}

QString RowModel::header(int column) const
{
    if (column < 0 || column >= columns())
        throw badIndex("column", column);
    return m_headers.at(column);
}

void RowModel::appendRow(const QString& text)
{
    m_rows.push_back(Row{text, {}, false});
    schedulePublish();
}

void RowModel::appendRows(const QStringList& texts)
{
    if (texts.isEmpty())
        return;
    // No reserve(): an exact reserve per block would defeat the vector's geometric growth.
    for (const QString& text : texts)
        m_rows.push_back(Row{text, {}, false});
    schedulePublish();
}

void RowModel::removeRowAt(int row)
{
    rowAt(row); // bounds check
    if (!isPublished(row)) {
        m_rows.erase(m_rows.begin() + row);
        return;
    }
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    --m_published;
    endRemoveRows();
}

void RowModel::removeAllRows()
{
    if (m_rows.empty())
        return;
    m_publishTimer.stop();
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_published = 0;
    endResetModel();
}

const RowModel::Row& RowModel::rowAt(int row) const
{
    if (row < 0 || row >= rows())
        throw badIndex("row", row);
    return m_rows[static_cast<size_t>(row)];
}

RowModel::Row& RowModel::rowAt(int row)
{
    return const_cast<Row&>(std::as_const(*this).rowAt(row));
}

void RowModel::checkSubItem(int k) const
{
    // A sub-item exists only for a column after the first.
    if (k < 1 || k >= columns())
        throw badIndex("sub-item", k);
}

QString RowModel::text(int row) const
{
    return rowAt(row).text;
}

void RowModel::setText(int row, const QString& text)
{
    rowAt(row).text = text;
    if (!isPublished(row))
        return;
    const QModelIndex at = index(row, 0);
    emit dataChanged(at, at, {Qt::DisplayRole});
}

QString RowModel::subItem(int row, int k) const
{
    const Row& r = rowAt(row);
    checkSubItem(k);
    return k <= r.subItems.size() ? r.subItems.at(k - 1) : QString();
}

void RowModel::setSubItem(int row, int k, const QString& text)
{
    Row& r = rowAt(row);
    checkSubItem(k);
    while (r.subItems.size() < k)
        r.subItems.append(QString());
    r.subItems[k - 1] = text;
    if (!isPublished(row))
        return;
    const QModelIndex at = index(row, k);
    emit dataChanged(at, at, {Qt::DisplayRole});
}

bool RowModel::isChecked(int row) const
{
    return rowAt(row).checked;
}

void RowModel::setChecked(int row, bool checked)
{
    rowAt(row).checked = checked;
    if (!isPublished(row))
        return;
    const QModelIndex at = index(row, 0);
    emit dataChanged(at, at, {Qt::CheckStateRole});
}

void RowModel::setAllChecked(bool checked)
{
    for (Row& r : m_rows)
        r.checked = checked;
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
    if (!index.isValid() || index.row() >= m_published)
        return {};
    const Row& r = m_rows[static_cast<size_t>(index.row())];
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (column == 0)
            return r.text;
        return column <= r.subItems.size() ? r.subItems.at(column - 1) : QString();
    case Qt::CheckStateRole:
        if (m_checkable && column == 0)
            return r.checked ? Qt::Checked : Qt::Unchecked;
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
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (m_checkable && index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant RowModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
        && section < columns())
        return m_headers.at(section);
    return {};
}

} // namespace quillfen
