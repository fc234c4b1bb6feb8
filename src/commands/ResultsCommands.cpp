#include "commands/ResultsCommands.h"

#include "base/Texts.h"
#include "commands/ClipboardCommand.h"
#include "commands/CommandContext.h"
#include "commands/ErrorReport.h"
#include "commands/OpenFolder.h"
#include "table/NaturalOrder.h"
#include "table/TableSort.h"

#include <QFileInfo>

namespace quillfen {

namespace {

// "Clear Results"
const QString kClearLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton5_Click ");
constexpr int kRemoveRows = 100;

// A failure of a command without step numbers (copying paths, sorting): said plainly in a
// warning box, not as the error report, which names a step.
template <typename Action> void warnOnFailure(Messages& messages, Action&& action)
{
    try {
        std::forward<Action>(action)();
    } catch (const std::exception& error) {
        messages.warn(describe(error));
    }
}

} // namespace

void clearResults(Workspace& work)
{
    ReportingProcedure clear(work.messages.boxes(), kClearLocation);
    clear.step(kRemoveRows, [&] { work.results.removeAllRows(); });
    work.status.showSummary(texts::kClearedResults());
}

void removeResults(Workspace& work, const std::vector<int>& rows)
{
    if (!work.session.isBusy())
        work.results.removeRows(rows);
}

void tickResults(Workspace& work, const std::vector<int>& rows, bool ticked)
{
    if (!work.session.isBusy())
        work.results.setRowsChecked(rows, ticked);
}

void copyResultPaths(Workspace& work, Clipboard& clipboard, const std::vector<int>& rows)
{
    if (work.session.isBusy())
        return;
    QByteArray paths;
    for (const int row : rows) {
        work.results.table().appendTextUtf8(row, paths);
        paths.append('\n');
    }
    if (paths.isEmpty())
        return;
    warnOnFailure(work.messages, [&] {
        clearClipboard(clipboard);
        if (!placeOnClipboard(clipboard, paths))
            throw ClipboardBusy();
    });
}

void openContainingFolder(Workspace& work, Shell& shell, int row)
{
    if (row < 0 || row >= work.results.rows())
        return;
    openFolder(work.messages, shell, QFileInfo(work.results.text(row)).absolutePath());
}

void sortResults(Workspace& work, int column, std::optional<Qt::SortOrder> given)
{
    RowModel& results = work.results;
    if (work.session.isBusy() || column < 0 || column >= results.columns()) {
        results.setSorting(results.sorting()); // the header shows the sort as it was
        return;
    }
    const auto shown = results.sorting();
    const Qt::SortOrder order = given ? *given
        : shown && shown->column == column && shown->order == Qt::AscendingOrder
        ? Qt::DescendingOrder
        : Qt::AscendingOrder;
    // A million rows take a moment: the pointer says so meanwhile.
    work.session.setPointer(WindowPointer::Hourglass);
    warnOnFailure(work.messages, [&] {
        const NaturalOrder natural;
        results.reorderRows(column == 0 ? orderByPath(results.table(), order, natural)
                                        : orderBySubItem(results.table(), column, order, natural));
        results.setSorting(RowModel::Sorting{column, order});
        const bool ascending = order == Qt::AscendingOrder;
        work.status.showSummary(texts::kSortedBy().arg(
            results.header(column),
            column == 0 ? (ascending ? texts::kAToZ() : texts::kZToA())
                        : (ascending ? texts::kOldestFirst() : texts::kNewestFirst())));
    });
    work.session.setPointer(WindowPointer::Default);
}

} // namespace quillfen
