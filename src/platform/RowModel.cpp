#include "platform/RowModel.h"

#include "platform/Failure.h"

namespace quillfen {

namespace {
Failure badIndex(const char* what, int index)
{
    return Failure(QStringLiteral("Index out of bounds (%1 %2)").arg(QLatin1String(what)).arg(index));
}
} // namespace

RowModel::RowModel(bool checkable, QObject* parent)
    : QAbstractTableModel(parent)
    , m_checkable(checkable)
{
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
    const int at = rows();
    beginInsertRows({}, at, at);
    m_rows.push_back(Row{text, {}, false});
    endInsertRows();
}

void RowModel::appendRows(const QStringList& texts)
{
    if (texts.isEmpty())
        return;
    const int at = rows();
    beginInsertRows({}, at, at + static_cast<int>(texts.size()) - 1);
    m_rows.reserve(m_rows.size() + static_cast<size_t>(texts.size()));
    for (const QString& text : texts)
        m_rows.push_back(Row{text, {}, false});
    endInsertRows();
}

void RowModel::removeRowAt(int row)
{
    rowAt(row); // bounds check
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void RowModel::removeAllRows()
{
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
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
    const QModelIndex at = index(row, 0);
    emit dataChanged(at, at, {Qt::CheckStateRole});
}

void RowModel::setAllChecked(bool checked)
{
    for (Row& r : m_rows)
        r.checked = checked;
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rows() - 1, 0), {Qt::CheckStateRole});
}

int RowModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows();
}

int RowModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns();
}

QVariant RowModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows())
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
