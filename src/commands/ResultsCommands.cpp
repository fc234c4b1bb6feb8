#include "commands/ResultsCommands.h"

#include "base/Texts.h"
#include "commands/ClipboardCommand.h"
#include "commands/ErrorReport.h"
#include "commands/Summaries.h"
#include "commands/WindowContext.h"
#include "table/NaturalOrder.h"
#include "table/TableSort.h"

#include <QFileInfo>

namespace quillfen {

namespace {

// Where the error report says a failure happened.
const QString kLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton5_Click ");

// A failure of a command without step numbers (copying paths, sorting): said plainly in a
// warning box, not as the error report, which names a step.
template <typename Action> void warnOnFailure(WindowContext& window, Action&& action)
{
    try {
        std::forward<Action>(action)();
    } catch (const std::exception& error) {
        window.platform().messages->show(describe(error), window.appTitle(), MessageButtons::Ok,
                                         MessageIcon::Warning);
    }
}

} // namespace

void clearResults(WindowContext& window)
{
    ReportingProcedure clear(*window.platform().messages, kLocation);
    clear.step(100, [&] { window.resultsList().rows().removeAllRows(); });
    window.showSummary(texts::kClearedResults());
}

void resultsKeyPressed(WindowContext& window, int key, Qt::KeyboardModifiers /*modifiers*/)
{
    if (key == Qt::Key_Delete) {
        removeSelectedResults(window);
    } else if (key == Qt::Key_Space) {
        ListControl& list = window.resultsList();
        const int current = list.selectedRow();
        tickSelectedResults(window, current < 0 || !list.rows().isChecked(current));
    }
}

void removeSelectedResults(WindowContext& window)
{
    if (window.isBusy())
        return;
    window.resultsList().removeSelectedRows();
}

void tickSelectedResults(WindowContext& window, bool ticked)
{
    if (window.isBusy())
        return;
    ListControl& list = window.resultsList();
    list.rows().setRowsChecked(list.selectedRows(), ticked);
}

void copySelectedPaths(WindowContext& window)
{
    if (window.isBusy())
        return;
    const ListControl& list = window.resultsList();
    QByteArray paths;
    for (const int row : list.selectedRows()) {
        list.rows().table().appendTextUtf8(row, paths);
        paths.append('\n');
    }
    if (paths.isEmpty())
        return;
    warnOnFailure(window, [&] {
        Clipboard& clipboard = *window.platform().clipboard;
        clearClipboard(clipboard);
        if (!placeOnClipboard(clipboard, paths))
            throw ClipboardBusy();
    });
}

void openContainingFolder(WindowContext& window)
{
    const ListControl& list = window.resultsList();
    const int row = list.selectedRow();
    if (row < 0)
        return;
    window.platform().shell->openFolder(QFileInfo(list.rows().text(row)).absolutePath());
}

void sortResults(WindowContext& window, int column)
{
    ListControl& list = window.resultsList();
    RowModel& results = list.rows();
    if (window.isBusy() || column < 0 || column >= results.columns()) {
        list.showSortIndicator();
        return;
    }
    const auto shown = list.shownSort();
    const Qt::SortOrder order =
        shown && shown->first == column && shown->second == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                               : Qt::AscendingOrder;
    // A million rows take a moment: the pointer says so meanwhile.
    window.setPointer(WindowPointer::Hourglass);
    warnOnFailure(window, [&] {
        const NaturalOrder natural;
        results.reorderRows(column == 0 ? orderByPath(results.table(), order, natural)
                                        : orderBySubItem(results.table(), column, order, natural));
        list.showSort(column, order);
        const bool ascending = order == Qt::AscendingOrder;
        window.showSummary(texts::kSortedBy().arg(
            results.header(column),
            column == 0 ? (ascending ? texts::kAToZ() : texts::kZToA())
                        : (ascending ? texts::kOldestFirst() : texts::kNewestFirst())));
    });
    window.setPointer(WindowPointer::Default);
}

} // namespace quillfen
