#include "commands/ResultsCommands.h"

#include "base/OffThread.h"
#include "base/Texts.h"
#include "commands/ClipboardCommand.h"
#include "commands/CommandContext.h"
#include "commands/ErrorReport.h"
#include "commands/OpenFolder.h"
#include "table/NaturalOrder.h"
#include "table/TableSort.h"

#include <QFileInfo>
#include <QScopeGuard>

#include <atomic>

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

// The column being sorted by, found again after the list changed: the path column, or the one
// with the same id (a new extraction may have added or dropped columns before it), or
// without an id the one at the same place with the same header.
class ColumnMark {
public:
    ColumnMark(const RowModel& results, int column)
        : m_column(column)
        , m_id(results.columnId(column))
        , m_header(results.header(column))
    {
    }
    int find(const RowModel& results) const
    {
        if (m_column == 0)
            return results.columns() > 0 ? 0 : -1;
        if (m_id != TextTable::kNoId)
            return results.columnWithId(m_id);
        const bool same = m_column < results.columns() && results.header(m_column) == m_header;
        return same ? m_column : -1;
    }

private:
    int m_column;
    int m_id;
    QString m_header;
};

// The order of a copy of a column, computed on a thread of its own while the window yields,
// and the room to put the rows in that order, taken there too. A stop or the window's close
// ends the yield; the thread is then told to give up, so the window does not wait for the
// rest of the sort.
std::vector<int> sortedOffThread(CommandSession& session, TextTable::ColumnCopy cells, bool paths,
                                 Qt::SortOrder order, const NaturalOrder& natural,
                                 TextTable::ReorderRoom& room)
{
    std::atomic<bool> stop{false};
    std::optional<std::vector<int>> sorted = runOffThread(
        [&] {
            std::optional<std::vector<int>> rows = paths
                ? orderByPath(cells, order, natural, &stop)
                : orderBySubItem(cells, order, natural, &stop);
            if (rows)
                room.take(std::move(cells));
            return rows;
        },
        [&] {
            try {
                session.yield();
            } catch (...) {
                stop = true;
                throw;
            }
            // A command run meanwhile (Clear Results, an extraction) may have set it back.
            session.setPointer(WindowPointer::Hourglass);
        });
    if (!sorted) // only a stop gives none, and that ended the yield above already
        throw CommandStopped{};
    return std::move(*sorted);
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
    // A million rows take a moment: the pointer says so meanwhile, while the order is
    // computed on a thread of its own and the window goes on.
    work.session.setPointer(WindowPointer::Hourglass);
    const auto atRest = qScopeGuard([&] { work.session.setPointer(WindowPointer::Default); });
    try {
        warnOnFailure(work.messages, [&] {
            const NaturalOrder natural;
            const ColumnMark mark(results, column);
            for (;;) {
                const TextTable& table = results.table();
                const quint64 revision = table.revision();
                const int rows = table.rows();
                TextTable::ReorderRoom room = table.reorderRoom();
                const std::vector<int> sorted = sortedOffThread(
                    work.session, table.copyColumn(column), column == 0, order, natural, room);
                // Appended rows leave the revision as it is, but the order must hold them too.
                if (table.revision() == revision && table.rows() == rows) {
                    results.reorderRows(sorted, std::move(room));
                    break;
                }
                // The list changed meanwhile: the order is of rows that are no longer there.
                column = mark.find(results);
                if (column < 0) {
                    results.setSorting(results.sorting());
                    return;
                }
            }
            results.setSorting(RowModel::Sorting{column, order});
            const bool ascending = order == Qt::AscendingOrder;
            work.status.showSummary(texts::kSortedBy().arg(
                results.header(column),
                column == 0 ? (ascending ? texts::kAToZ() : texts::kZToA())
                            : (ascending ? texts::kOldestFirst() : texts::kNewestFirst())));
        });
    } catch (const CommandStopped&) {
        results.setSorting(results.sorting());
        work.status.showSummary(texts::kStoppedSorting());
    }
}

} // namespace quillfen
