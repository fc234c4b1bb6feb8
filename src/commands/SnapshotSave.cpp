#include "commands/SnapshotSave.h"

#include "base/AtomicFile.h"
#include "base/OffThread.h"
#include "base/Paths.h"
#include "base/Texts.h"
#include "commands/CommandContext.h"
#include "commands/ResultsComparison.h"
#include "commands/Summaries.h"
#include "snapshot/SnapshotWriter.h"

namespace quillfen {

namespace {

// Rows written between two turns of the event loop.
constexpr int kRowsPerSlice = 1 << 14;

} // namespace

void saveSnapshot(Workspace& work, FileDialogs& dialogs)
{
    const TextTable& table = work.results.table();
    if (table.rows() == 0) {
        work.messages.tell(texts::kNoResultsToSnapshot());
        return;
    }
    const QString fileName =
        dialogs.saveFile(texts::kSnapshotSaveTitle(), texts::kSnapshotSaveFilter());
    if (fileName.isEmpty())
        return; // cancelled
    const QString name = fileNameOfPath(fileName);
    const BusyWork busy(work, texts::kWritingFile() + name);

    const ResultsDates dates = resultsDates(table);
    std::vector<SnapshotColumn> columns;
    for (const auto& date : dates)
        columns.push_back(date.second);
    SnapshotWriter writer(columns);

    AtomicFile file(fileName);
    const quint64 revision = table.revision();
    const int rows = table.rows();
    try {
        file.open();
        QByteArray lines;
        for (int row = 0; row < rows; ++row) {
            writer.appendRecord(table.textView(row), rowDates(table, row, dates), lines);
            if ((row + 1) % kRowsPerSlice == 0 || row + 1 == rows) {
                file.write(lines);
                lines.resize(0);
                work.progress.setPosition(100.0 * (row + 1) / rows);
                work.session.yield();
                if (table.revision() != revision)
                    throw Failure(texts::kResultsChangedWhileSaving());
            }
        }
        runOffThread([&file] { file.syncToDisk(); }, [&work] { work.session.yield(); });
        file.commit();
    } catch (const CommandStopped&) {
        file.abandon(); // the earlier file stays
        work.status.showSummary(texts::kStoppedSaving().arg(name));
        return;
    } catch (const std::exception& error) {
        file.abandon();
        work.messages.warn(describe(error));
        work.status.showSummary(texts::kNotSaved().arg(name));
        return;
    }
    work.status.showSummary(
        texts::kSnapshotSaved().arg(counted(rows, texts::kRowOne(), texts::kRowMany()), name));
}

} // namespace quillfen
