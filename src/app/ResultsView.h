#pragma once

// Layer app: the main window and start-up; uses commands and the layers below.

#include "app/WindowActions.h"
#include "app/WindowControls.h"
#include "commands/ResultsComparison.h"
#include "commands/ResultsFilter.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace quillfen {

// The results' filter bar, timeline and comparison with a snapshot, kept in step with the
// results list. The bar's conditions decide the rows shown; the timeline counts the rows that
// pass the bar's path text, and a click on it sets the bar's date condition to that period;
// a comparison adds the change column, which the bar can then test. The window tells it when
// the results changed; it tells the window when the rows shown did.
class ResultsView final : public QObject {
    Q_OBJECT

public:
    ResultsView(const WindowControls& controls, const WindowActions& actions, RowModel& results,
                std::function<void()> shownChanged);

    // A new extraction made the columns afresh (and dated the rows anew), or a comparison
    // added its column.
    void columnsChanged();
    // File > Compare With Snapshot...
    void compareWithSnapshot(Workspace& work, FileDialogs& dialogs);
    const ResultsComparison& comparison() const { return m_comparison; }
    // Rows may have gone or come: the timeline counts them again if their number changed.
    void rowsChanged();

    void openFilter();
    void closeFilter();
    bool isFilterOpen() const;
    void setTimelineShown(bool shown);
    ResultsFilter& filter() { return m_filter; }
    // Counts the timeline now; the window waits for a pause in what changes it.
    void recount();

private:
    void applyConditions();
    void recountSoon();

    const WindowControls& m_controls;
    RowModel& m_results;
    ResultsFilter m_filter;
    ResultsComparison m_comparison;
    std::function<void()> m_shownChanged;
    QTimer m_recount;       // coalesces the reasons to count the timeline again
    int m_countedRows = -1; // the rows the timeline last counted
    QString m_countedPath;  // and the path text it counted them by
};

} // namespace quillfen
