#include "platform/RowModel.h"

#include "platform/Failure.h"

namespace quillfen {

namespace {

Failure badIndex(const char* what, int index)
{
    return Failure(
        QStringLiteral("Index out of bounds (%1 %2)").arg(QLatin1String(what)).arg(index));
}

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
    widenRows(columns() - 1);
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

void RowModel::widenRows(int subItems)
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

void RowModel::appendRow(const QString& text)
{
    m_texts.push_back(m_store.add(text));
    m_subItems.resize(m_subItems.size() + static_cast<size_t>(m_stride), 0);
    m_checked.push_back(false);
    schedulePublish();
}

void RowModel::appendRows(const QStringList& texts)
{
    for (const QString& text : texts) {
        m_texts.push_back(m_store.add(text));
        m_checked.push_back(false);
    }
    m_subItems.resize(m_texts.size() * static_cast<size_t>(m_stride), 0);
    if (!texts.isEmpty())
        schedulePublish();
}

void RowModel::appendUtf8Rows(QByteArrayView texts, const std::vector<quint32>& ends)
{
    qsizetype begin = 0;
    for (const quint32 end : ends) {
        m_texts.push_back(m_store.addUtf8(texts.sliced(begin, end - begin)));
        m_checked.push_back(false);
        begin = end;
    }
    m_subItems.resize(m_texts.size() * static_cast<size_t>(m_stride), 0);
    if (!ends.empty())
        schedulePublish();
}

void RowModel::appendUtf8Row(QByteArrayView text)
{
    appendRowRef(m_store.addUtf8(text));
}

void RowModel::appendRow(const TextStore::Shared& text)
{
    appendRowRef(m_store.add(text));
}

void RowModel::appendRowRef(TextStore::Ref ref)
{
    m_texts.push_back(ref);
    m_subItems.resize(m_subItems.size() + static_cast<size_t>(m_stride), 0);
    m_checked.push_back(false);
    schedulePublish();
}

TextStore::Shared RowModel::sharedText(int row) const
{
    checkRow(row);
    return m_store.shared(m_texts[static_cast<size_t>(row)]);
}

void RowModel::removeRowAt(int row)
{
    checkRow(row);
    const bool published = isPublished(row);
    if (published)
        beginRemoveRows({}, row, row);
    m_texts.erase(m_texts.begin() + row);
    const auto firstSub = m_subItems.begin() + static_cast<std::ptrdiff_t>(row) * m_stride;
    m_subItems.erase(firstSub, firstSub + m_stride);
    m_checked.erase(m_checked.begin() + row);
    if (published) {
        --m_published;
        endRemoveRows();
    }
}

void RowModel::removeAllRows()
{
    if (m_texts.empty())
        return;
    m_publishTimer.stop();
    beginResetModel();
    m_texts = {};
    m_subItems = {};
    m_checked = {};
    m_store.clear();
    m_published = 0;
    endResetModel();
}

void RowModel::checkRow(int row) const
{
    if (row < 0 || row >= rows())
        throw badIndex("row", row);
}

void RowModel::checkSubItem(int k) const
{
    // A sub-item exists only for a column after the first.
    if (k < 1 || k >= columns())
        throw badIndex("sub-item", k);
}

TextStore::Ref RowModel::cellRef(int row, int column) const
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

QString RowModel::text(int row) const
{
    return m_store.text(cellRef(row, 0));
}

void RowModel::setText(int row, const QString& text)
{
    checkRow(row);
    m_texts[static_cast<size_t>(row)] = m_store.add(text);
    if (!isPublished(row))
        return;
    const QModelIndex at = index(row, 0);
    emit dataChanged(at, at, {Qt::DisplayRole});
}

QString RowModel::subItem(int row, int k) const
{
    checkSubItem(k);
    return m_store.text(cellRef(row, k));
}

void RowModel::setSubItem(int row, int k, const QString& text)
{
    checkRow(row);
    checkSubItem(k);
    setSubItemRef(row, k, m_store.add(text));
}

void RowModel::setSubItemUtf8(int row, int k, QByteArrayView text)
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

void RowModel::setSubItemRef(int row, int k, TextStore::Ref ref)
{
    widenRows(k);
    m_subItems[static_cast<size_t>(row) * static_cast<size_t>(m_stride)
               + static_cast<size_t>(k - 1)] = ref;
    if (!isPublished(row))
        return;
    const QModelIndex at = index(row, k);
    emit dataChanged(at, at, {Qt::DisplayRole});
}

qsizetype RowModel::cellLength(int row, int column) const
{
    return m_store.length(cellRef(row, column));
}

qsizetype RowModel::cellUtf8Size(int row, int column) const
{
    return TextStore::utf8Size(cellRef(row, column));
}

void RowModel::appendCellUtf8(int row, int column, QByteArray& out) const
{
    m_store.appendUtf8To(cellRef(row, column), out);
}

bool RowModel::isChecked(int row) const
{
    checkRow(row);
    return m_checked[static_cast<size_t>(row)];
}

void RowModel::setChecked(int row, bool checked)
{
    checkRow(row);
    m_checked[static_cast<size_t>(row)] = checked;
    if (!isPublished(row))
        return;
    const QModelIndex at = index(row, 0);
    emit dataChanged(at, at, {Qt::CheckStateRole});
}

void RowModel::setAllChecked(bool checked)
{
    std::fill(m_checked.begin(), m_checked.end(), checked);
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
        return m_store.text(cellRef(index.row(), index.column()));
    case Qt::CheckStateRole:
        if (m_checkable && index.column() == 0)
            return m_checked[static_cast<size_t>(index.row())] ? Qt::Checked : Qt::Unchecked;
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
