#include "desktop/ResultsColumns.h"

#include "dates/DateTextFormat.h"
#include "desktop/ListControl.h"

#include <QEvent>
#include <QHeaderView>

#include <algorithm>

namespace quillfen {

ResultsColumns::ResultsColumns(ListControl& list, NaturalWidth naturalWidth)
    : m_list(list)
    , m_viewport(list.viewport())
    , m_naturalWidth(std::move(naturalWidth))
{
    m_list.horizontalHeader()->setStretchLastSection(false);
    connect(&m_list.rows(), &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex&, int first, int last) { columnsAdded(first, last); });
    connect(m_list.horizontalHeader(), &QHeaderView::sectionResized, this,
            &ResultsColumns::sectionResized);
    m_list.viewport()->installEventFilter(this);
}

void ResultsColumns::setUserWidths(const QMap<int, int>& widths)
{
    m_userWidths = widths;
    const RowModel& rows = m_list.rows();
    for (int column = 0; column < rows.columns(); ++column) {
        const auto width = m_userWidths.constFind(rows.columnId(column));
        if (width != m_userWidths.constEnd())
            setWidth(column, *width);
    }
    fitPathColumn();
}

bool ResultsColumns::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_viewport && event->type() == QEvent::Resize)
        fitPathColumn();
    return QObject::eventFilter(watched, event);
}

void ResultsColumns::columnsAdded(int first, int last)
{
    const RowModel& rows = m_list.rows();
    for (int column = first; column <= last; ++column) {
        const int id = rows.columnId(column);
        const auto user = m_userWidths.constFind(id);
        if (user != m_userWidths.constEnd())
            setWidth(column, *user);
        else if (column > 0)
            setWidth(column, m_naturalWidth(id, rows.header(column)));
    }
    fitPathColumn();
}

void ResultsColumns::sectionResized(int column, int /*oldWidth*/, int newWidth)
{
    if (m_adjusting || column >= m_list.rows().columns())
        return;
    m_userWidths[m_list.rows().columnId(column)] = newWidth;
    if (column > 0)
        fitPathColumn();
}

void ResultsColumns::fitPathColumn()
{
    const RowModel& rows = m_list.rows();
    if (rows.columns() == 0 || m_userWidths.contains(rows.columnId(0)))
        return;
    int others = 0;
    for (int column = 1; column < rows.columns(); ++column)
        others += m_list.columnWidth(column);
    setWidth(0, std::max(kPathAtLeast, m_list.viewport()->width() - others));
}

void ResultsColumns::setWidth(int column, int width)
{
    m_adjusting = true;
    m_list.setColumnWidth(column, width);
    m_adjusting = false;
}

int dateColumnWidth(const ListControl& list, const QString& header)
{
    return columnWidthFor(list, header, widestDateCandidates(DateTextFormat()));
}

int columnWidthFor(const ListControl& list, const QString& header, const QStringList& texts)
{
    const QFontMetrics metrics(list.font());
    int widest = QFontMetrics(list.horizontalHeader()->font()).horizontalAdvance(header);
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest + 4 * metrics.averageCharWidth();
}

} // namespace quillfen
