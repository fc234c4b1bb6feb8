#include "commands/TextReportCommand.h"

#include "base/AtomicFile.h"
#include "base/OffThread.h"
#include "base/Paths.h"
#include "base/Texts.h"
#include "commands/ErrorReport.h"
#include "commands/Summaries.h"
#include "commands/WindowContext.h"
#include "table/ColumnLayout.h"

namespace quillfen {

namespace {

// Where the error report says a failure happened.
const QString kSaveLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton1_Click ");
const QString kWriterLocation =
    QStringLiteral("in Tessary2021/08/31.Main.SaveListviewProperlySpaced ");

} // namespace

void saveResultsAsText(WindowContext& window)
{
    ReportingProcedure save(*window.platform().messages, kSaveLocation);
    const QString fileName = save.value(114, QString(), [&] {
        return window.platform().fileDialogs->saveFile(texts::kSaveTitle(), texts::kSaveFilter());
    });
    if (fileName.isEmpty())
        return; // cancelled
    save.step(120, [&] { window.setPointer(WindowPointer::Hourglass); });
    ReportOutcome outcome;
    save.step(122, [&] {
        outcome = writeAlignedReport(window, window.resultsList().rows().table(), fileName,
                                     &window.progressBar());
    });
    save.step(124, [&] { window.setPointer(WindowPointer::Default); });
    const QString name = fileNameOfPath(fileName);
    if (outcome.saved)
        window.showSummary(
            texts::kSaved().arg(counted(outcome.rows, texts::kRowOne(), texts::kRowMany()), name));
    else
        window.showSummary(
            (outcome.stopped ? texts::kStoppedSaving() : texts::kNotSaved()).arg(name));
}

ReportOutcome writeAlignedReport(WindowContext& window, const TextTable& list,
                                 const QString& fileName, ProgressBar* bar)
{
    ReportOutcome outcome;
    ReportingProcedure write(*window.platform().messages, kWriterLocation);
    const QString name = fileNameOfPath(fileName);
    AtomicFile file(fileName);
    // The list may change while the writer yields ("Clear Results", a new run): the rows it
    // counted are then not the rows it reads. That is said once, and the file is abandoned so
    // the earlier one stays.
    const quint64 revision = list.revision();
    bool changed = false;
    const CellHook yield = [&] {
        window.yield();
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
            bar->setCaption(texts::kWritingFile() + name);
            yield();
        });
    };

    try {
        showProgress(102, 1);
        const std::vector<int> widths = write.value(
            112, std::vector<int>(), [&] { return measureColumnWidths(list, true, yield); });
        showProgress(142, 10);

        if (!changed)
            write.step(156, [&] { file.open(); });
        // Writes one line; the first failure abandons the file, so a failed save never replaces
        // the earlier file and is reported once, not once per line.
        const auto writeLine = [&](int marker, const QByteArray& line) {
            if (!file.isOpen())
                return;
            write.step(marker, [&] {
                try {
                    file.write(line);
                    file.write(kLineEnd);
                } catch (...) {
                    file.abandon();
                    throw;
                }
            });
        };

        if (file.isOpen()) {
            writeLine(170, write.value(158, QByteArray(), [&] {
                return headerLine(list, widths, yield);
            }));
            showProgress(172, 20);

            const int rows = list.rows();
            for (int i = 0; i < rows && file.isOpen(); ++i) {
                write.step(184, [&] { yield(); });
                if (!file.isOpen())
                    break;
                if (!write.test(188, [&] { return list.isChecked(i); }))
                    continue;
                // Cell by cell, so a cell that fails costs only itself.
                QByteArray line;
                for (int k = 0; k < static_cast<int>(widths.size()) && file.isOpen(); ++k) {
                    write.step(k == 0 ? 196 : 202, [&] {
                        yield();
                        appendPaddedCell(list, i, k, widths[static_cast<size_t>(k)], line);
                    });
                }
                if (bar != nullptr && file.isOpen()) {
                    write.step(214, [&] {
                        yield();
                        const int m = list.rows();
                        const int position = i + 1;
                        bar->setPosition((position + m / 2000) / static_cast<double>(m) * 100);
                        if (position % 1000 == 0)
                            bar->setCaption(texts::kWritingFile() + name + QStringLiteral(" (")
                                            + QString::number(position) + QLatin1Char(')'));
                        yield();
                    });
                }
                writeLine(222, line);
                if (file.isOpen())
                    ++outcome.rows;
            }
            // Put in place before the bar says it is done. Reaching the disk can take a while for a
            // long report; the window goes on meanwhile (a change of the list no longer matters:
            // every line is written) and a stop then still keeps the earlier file.
            bool saved = false;
            if (file.isOpen()) {
                write.step(232, [&] {
                    runOffThread([&] { file.syncToDisk(); }, [&] { window.yield(); });
                    file.commit();
                    saved = true;
                });
            }
            if (bar != nullptr && saved) {
                write.step(226, [&] {
                    bar->setPosition(100);
                    bar->setCaption(texts::kDone());
                });
            }
            outcome.saved = saved;
        }
    } catch (const CommandStopped&) {
        // Nothing is put in place: the earlier file stays.
        if (file.isOpen())
            file.abandon();
        outcome.stopped = true;
    }

    if (bar != nullptr) {
        write.step(238, [&] {
            bar->setPosition(0);
            bar->setCaption(texts::kProgressAtRest());
        });
    }
    return outcome;
}

} // namespace quillfen
