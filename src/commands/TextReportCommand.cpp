#include "commands/TextReportCommand.h"

#include "base/AtomicFile.h"
#include "base/OffThread.h"
#include "base/Paths.h"
#include "base/Texts.h"
#include "commands/CommandContext.h"
#include "commands/ErrorReport.h"
#include "commands/Summaries.h"
#include "table/ColumnLayout.h"

namespace quillfen {

namespace {

// "Save Results As Text File"
const QString kSaveLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton1_Click ");
constexpr int kAskForName = 114;
constexpr int kEnterBusy = 120;
constexpr int kWrite = 122;
constexpr int kLeaveBusy = 124;

// The writer, with a report of its own.
const QString kWriterLocation =
    QStringLiteral("in Tessary2021/08/31.Main.SaveListviewProperlySpaced ");
constexpr int kStartProgress = 102;
constexpr int kMeasureWidths = 112;
constexpr int kMeasuredProgress = 142;
constexpr int kCreateFile = 156;
constexpr int kHeaderCell = 158;
constexpr int kWriteHeader = 170;
constexpr int kHeaderProgress = 172;
constexpr int kNextRow = 184;
constexpr int kRowText = 196;
constexpr int kSubItem = 202;
constexpr int kRowProgress = 214;
constexpr int kWriteRow = 222;
constexpr int kDoneProgress = 226;
constexpr int kCloseFile = 232;
constexpr int kProgressAtRest = 238;

// Ends the rows pass once the file is abandoned: every later line would fail the same way.
struct FileAbandoned {};

// The step a visit of writeAlignedLines belongs to.
int stepOfVisit(int row, int column)
{
    if (row < 0)
        return kHeaderCell;
    if (column < 0)
        return kNextRow;
    return column == 0 ? kRowText : kSubItem;
}

} // namespace

void saveResultsAsText(Workspace& work, FileDialogs& dialogs)
{
    ReportingProcedure save(work.messages.boxes(), kSaveLocation);
    const QString fileName = save.value(kAskForName, QString(), [&] {
        return dialogs.saveFile(texts::kSaveTitle(), texts::kSaveFilter());
    });
    if (fileName.isEmpty())
        return; // cancelled
    save.step(kEnterBusy, [&] { work.session.setPointer(WindowPointer::Hourglass); });
    ReportOutcome outcome;
    save.step(kWrite, [&] {
        outcome = writeAlignedReport(work, work.results.table(), fileName, &work.progress);
    });
    save.step(kLeaveBusy, [&] { work.session.setPointer(WindowPointer::Default); });
    const QString name = fileNameOfPath(fileName);
    if (outcome.saved)
        work.status.showSummary(
            texts::kSaved().arg(counted(outcome.rows, texts::kRowOne(), texts::kRowMany()), name));
    else
        work.status.showSummary(
            (outcome.stopped ? texts::kStoppedSaving() : texts::kNotSaved()).arg(name));
}

ReportOutcome writeAlignedReport(Workspace& work, const TextTable& list, const QString& fileName,
                                 ProgressSink* bar)
{
    ReportOutcome outcome;
    ReportingProcedure write(work.messages.boxes(), kWriterLocation);
    const QString name = fileNameOfPath(fileName);
    const QString writing = texts::kWritingFile() + name;
    AtomicFile file(fileName);
    // The list may change while the writer yields ("Clear Results", a new run): the rows it
    // counted are then not the rows it reads. That is said once, and the file is abandoned so
    // the earlier one stays.
    const quint64 revision = list.revision();
    bool changed = false;
    const auto yield = [&] {
        work.session.yield();
        if (changed || list.revision() == revision)
            return;
        changed = true;
        if (file.isOpen())
            file.abandon();
        throw Failure(texts::kResultsChangedWhileSaving());
    };
    const auto showProgress = [&](int marker, double value) {
        if (bar == nullptr || changed)
            return;
        write.step(marker, [&] {
            yield();
            bar->setPosition(value);
            bar->setCaption(writing);
            yield();
        });
    };
    // The first failed write abandons the file, so a failed save never replaces the earlier
    // file and is reported once, not once per line.
    const auto writeLine = [&](int marker, QByteArrayView line) {
        write.step(marker, [&] {
            try {
                file.write(line);
            } catch (...) {
                file.abandon();
                throw;
            }
        });
        if (!file.isOpen())
            throw FileAbandoned{};
    };
    const LineSink lineDone = [&](QByteArrayView line, int row) {
        if (row < 0) {
            writeLine(kWriteHeader, line);
            showProgress(kHeaderProgress, 20);
            return;
        }
        if (bar != nullptr) {
            write.step(kRowProgress, [&] {
                yield();
                const int m = list.rows();
                const int position = row + 1;
                bar->setPosition((position + m / 2000) / static_cast<double>(m) * 100);
                if (position % 1000 == 0)
                    bar->setCaption(writing + QStringLiteral(" (") + QString::number(position)
                                    + QLatin1Char(')'));
                yield();
            });
            if (!file.isOpen())
                throw FileAbandoned{};
        }
        writeLine(kWriteRow, line);
        ++outcome.rows;
    };
    int visited = kHeaderCell; // the step of the last cell visited, for a failure there
    const CellVisit visit = [&](int row, int column) {
        visited = stepOfVisit(row, column);
        yield();
    };

    try {
        showProgress(kStartProgress, 1);
        const std::vector<int> widths = write.value(kMeasureWidths, std::vector<int>(), [&] {
            return measureColumnWidths(list, AlignedStyle::Report, yield);
        });
        showProgress(kMeasuredProgress, 10);
        if (!changed)
            write.step(kCreateFile, [&] { file.open(); });
        if (file.isOpen()) {
            try {
                writeAlignedLines(list, AlignedStyle::Report, widths, lineDone, visit);
            } catch (const FileAbandoned&) {
            } catch (const std::exception& error) {
                write.report(visited, describe(error));
            }
            // Put in place before the bar says it is done. Reaching the disk can take a while
            // for a long report; the window goes on meanwhile (a change of the list no longer
            // matters: every line is written) and a stop then still keeps the earlier file.
            if (file.isOpen()) {
                write.step(kCloseFile, [&] {
                    runOffThread([&] { file.syncToDisk(); }, [&] { work.session.yield(); });
                    file.commit();
                    outcome.saved = true;
                });
            }
            if (bar != nullptr && outcome.saved) {
                write.step(kDoneProgress, [&] {
                    bar->setPosition(100);
                    bar->setCaption(texts::kDone());
                });
            }
        }
    } catch (const CommandStopped&) {
        // Nothing is put in place: the earlier file stays.
        if (file.isOpen())
            file.abandon();
        outcome.stopped = true;
    }

    if (bar != nullptr) {
        write.step(kProgressAtRest, [&] {
            bar->setPosition(0);
            bar->setCaption(texts::kProgressAtRest());
        });
    }
    return outcome;
}

} // namespace quillfen
