#include "app/ResultsView.h"

#include "commands/ResultsTimeline.h"
#include "desktop/FilterBar.h"
#include "desktop/ListControl.h"
#include "desktop/TimelineChart.h"
#include "files/FileTimes.h"

#include <QAction>
#include <QComboBox>
#include <QLocale>

#include <algorithm>
#include <iterator>

namespace quillfen {

namespace {

// Counting again waits for this pause, so typing or a run of removals counts once.
constexpr int kRecountDelayMs = 50;

// The date columns the results show, as (id, header).
std::vector<std::pair<int, QString>> dateColumns(const RowModel& results)
{
    std::vector<std::pair<int, QString>> columns;
    for (int column = 1; column < results.columns(); ++column) {
        const int id = results.columnId(column);
        if (std::find(std::begin(kAllStampKinds), std::end(kAllStampKinds),
                      static_cast<StampKind>(id))
            != std::end(kAllStampKinds))
            columns.emplace_back(id, results.header(column));
    }
    return columns;
}

} // namespace

ResultsView::ResultsView(const WindowControls& controls, const WindowActions& actions,
                         RowModel& results, std::function<void()> shownChanged)
    : m_controls(controls)
    , m_results(results)
    , m_filter(results)
    , m_shownChanged(std::move(shownChanged))
{
    FilterBar* bar = controls.filterBar;
    connect(actions.filterResults, &QAction::triggered, this, &ResultsView::openFilter);
    connect(bar, &FilterBar::closeRequested, this, &ResultsView::closeFilter);
    connect(bar, &FilterBar::conditionsChanged, this, &ResultsView::applyConditions);
    connect(&m_filter, &ResultsFilter::shownChanged, this, [this] { m_shownChanged(); });
    connect(actions.timeline, &QAction::toggled, this, &ResultsView::setTimelineShown);
    connect(controls.timelineColumn, &QComboBox::currentIndexChanged, this,
            [this] { recountSoon(); });
    connect(controls.timeline, &TimelineChart::spanChosen, this, [this](qint64 first, qint64 last) {
        openFilter();
        m_controls.filterBar->setBetween(m_controls.timelineColumn->currentData().toInt(), first,
                                         last);
    });
    // The window's text is bold already: a changed date stands out by its colour.
    const auto note = [this](const TextTable& table, int row, int column) {
        return m_comparison.noteFor(table, row, column);
    };
    results.setCellNote(note, controls.resultsList->palette().color(QPalette::Link));
    m_recount.setSingleShot(true);
    m_recount.setInterval(kRecountDelayMs);
    connect(&m_recount, &QTimer::timeout, this, &ResultsView::recount);
}

void ResultsView::columnsChanged()
{
    const auto columns = dateColumns(m_results);
    m_controls.filterBar->setDateColumns(columns);
    const bool compared = m_results.columnWithId(kChangeColumnId) > 0;
    m_controls.filterBar->setChangeShown(compared);
    if (!compared)
        m_comparison.end(); // its column went with the others
    QComboBox* chooser = m_controls.timelineColumn;
    const int chosen = chooser->currentData().isValid() ? chooser->currentData().toInt() : -1;
    {
        const QSignalBlocker quiet(chooser);
        chooser->clear();
        for (const auto& [id, header] : columns)
            chooser->addItem(header, id);
        chooser->setCurrentIndex(std::max(chooser->findData(chosen), 0));
    }
    // "In the last ..." counts back from now, and now moved on since the conditions were set.
    applyConditions();
    m_countedRows = -1;
    recountSoon();
}

void ResultsView::compareWithSnapshot(Workspace& work, FileDialogs& dialogs)
{
    m_comparison.compare(work, dialogs);
    columnsChanged();
}

void ResultsView::rowsChanged()
{
    if (m_results.rows() != m_countedRows)
        recountSoon();
}

void ResultsView::openFilter()
{
    const bool wasOpen = isFilterOpen();
    m_controls.filterBar->show();
    m_controls.filterBar->focusPathText();
    if (!wasOpen)
        applyConditions();
}

void ResultsView::closeFilter()
{
    if (!isFilterOpen())
        return;
    m_controls.filterBar->hide();
    m_filter.clear();
    m_controls.resultsList->setFocus();
    recountSoon();
}

bool ResultsView::isFilterOpen() const
{
    return !m_controls.filterBar->isHidden();
}

void ResultsView::setTimelineShown(bool shown)
{
    m_controls.timelinePanel->setVisible(shown);
    if (shown) {
        m_countedRows = -1;
        recountSoon();
    }
}

void ResultsView::applyConditions()
{
    if (!isFilterOpen())
        return;
    const FilterConditions conditions = m_controls.filterBar->conditions();
    m_filter.apply(conditions);
    if (conditions.pathText != m_countedPath)
        recountSoon();
}

void ResultsView::recountSoon()
{
    if (!m_controls.timelinePanel->isHidden())
        m_recount.start();
}

void ResultsView::recount()
{
    // The timeline follows the path text, not the date condition it sets itself.
    FilterConditions pathOnly;
    if (isFilterOpen())
        pathOnly.pathText = m_controls.filterBar->conditions().pathText;
    TimeBinOptions options;
    options.firstDayOfWeek = QLocale().firstDayOfWeek();
    const int columnId = m_controls.timelineColumn->currentData().isValid()
        ? m_controls.timelineColumn->currentData().toInt()
        : -1;
    m_controls.timeline->setBins(
        countTimeline(m_results.table(), columnId, rowTestFor(pathOnly, 0), options));
    m_countedRows = m_results.rows();
    m_countedPath = pathOnly.pathText;
}

} // namespace quillfen
