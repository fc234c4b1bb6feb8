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
    const ShownRows shown(work.results);
    save.step(kWrite, [&] {
        outcome = writeAlignedReport(work, work.results.table(), fileName, &work.progress,
                                     shown.selection());
    });
    save.step(kLeaveBusy, [&] { work.session.setPointer(WindowPointer::Default); });
    const QString name = fileNameOfPath(fileName);
    if (outcome.saved)
        work.status.showSummary(
            texts::kSaved().arg(counted(outcome.rows, texts::kRowOne(), texts::kRowMany()), name)
            + hiddenByFilter(shown));
    else
        work.status.showSummary(
            (outcome.stopped ? texts::kStoppedSaving() : texts::kNotSaved()).arg(name));
}

namespace {

// One run of the writer: its report, the file it fills and what it has done so far.
class AlignedReportRun {
public:
    AlignedReportRun(Workspace& work, const TextTable& list, const RowSelection& rows,
                     const QString& fileName, ProgressSink* bar)
        : m_work(work)
        , m_list(list)
        , m_rows(rows)
        , m_bar(bar)
        , m_write(work.messages.boxes(), kWriterLocation)
        , m_writing(texts::kWritingFile() + fileNameOfPath(fileName))
        , m_file(fileName)
        , m_revision(list.revision())
    {
    }

    ReportOutcome run()
    {
        try {
            showProgress(kStartProgress, 1);
            const std::vector<int> widths = m_write.value(kMeasureWidths, std::vector<int>(), [&] {
                return measureColumnWidths(
                    m_list, AlignedStyle::Report, [this] { yield(); }, m_rows);
            });
            showProgress(kMeasuredProgress, 10);
            if (!m_changed)
                m_write.step(kCreateFile, [&] { m_file.open(); });
            if (m_file.isOpen())
                writeLines(widths);
        } catch (const CommandStopped&) {
            // Nothing is put in place: the earlier file stays.
            if (m_file.isOpen())
                m_file.abandon();
            m_outcome.stopped = true;
        }
        if (m_bar != nullptr) {
            m_write.step(kProgressAtRest, [&] {
                m_bar->setPosition(0);
                m_bar->setCaption(texts::kProgressAtRest());
            });
        }
        return m_outcome;
    }

private:
    // The list may change while the writer yields ("Clear Results", a new run): the rows it
    // counted are then not the rows it reads. That is said once, and the file is abandoned so
    // the earlier one stays.
    void yield()
    {
        m_work.session.yield();
        if (m_changed || m_list.revision() == m_revision)
            return;
        m_changed = true;
        if (m_file.isOpen())
            m_file.abandon();
        throw Failure(texts::kResultsChangedWhileSaving());
    }

    void showProgress(int marker, double value)
    {
        if (m_bar == nullptr || m_changed)
            return;
        m_write.step(marker, [&] {
            yield();
            m_bar->setPosition(value);
            m_bar->setCaption(m_writing);
            yield();
        });
    }

    void writeLines(const std::vector<int>& widths)
    {
        int visited = kHeaderCell; // the step of the last cell visited, for a failure there
        try {
            writeAlignedLines(
                m_list, AlignedStyle::Report, widths,
                [this](QByteArrayView line, int row) { lineDone(line, row); },
                [&](int row, int column) {
                    visited = stepOfVisit(row, column);
                    if (row >= 0 && column < 0)
                        ++m_position;
                    yield();
                },
                m_rows);
        } catch (const FileAbandoned&) {
        } catch (const std::exception& error) {
            m_write.report(visited, describe(error));
        }
        // Put in place before the bar says it is done. Reaching the disk can take a while for a
        // long report; the window goes on meanwhile (a change of the list no longer matters:
        // every line is written) and a stop then still keeps the earlier file.
        if (m_file.isOpen()) {
            m_write.step(kCloseFile, [&] {
                runOffThread([&] { m_file.syncToDisk(); }, [&] { m_work.session.yield(); });
                m_file.commit();
                m_outcome.saved = true;
            });
        }
        if (m_bar != nullptr && m_outcome.saved) {
            m_write.step(kDoneProgress, [&] {
                m_bar->setPosition(100);
                m_bar->setCaption(texts::kDone());
            });
        }
    }

    void lineDone(QByteArrayView line, int row)
    {
        if (row < 0) {
            writeLine(kWriteHeader, line);
            showProgress(kHeaderProgress, 20);
            return;
        }
        if (m_bar != nullptr) {
            m_write.step(kRowProgress, [&] {
                yield();
                // The row's place among the rows written, ticked or not.
                const int m = m_rows.count(m_list);
                const int position = m_position;
                m_bar->setPosition((position + m / 2000) / static_cast<double>(m) * 100);
                if (position % 1000 == 0)
                    m_bar->setCaption(m_writing + QStringLiteral(" (") + QString::number(position)
                                      + QLatin1Char(')'));
                yield();
            });
            if (!m_file.isOpen())
                throw FileAbandoned{};
        }
        writeLine(kWriteRow, line);
        ++m_outcome.rows;
    }

    // The first failed write abandons the file, so a failed save never replaces the earlier
    // file and is reported once, not once per line.
    void writeLine(int marker, QByteArrayView line)
    {
        m_write.step(marker, [&] {
            try {
                m_file.write(line);
            } catch (...) {
                m_file.abandon();
                throw;
            }
        });
        if (!m_file.isOpen())
            throw FileAbandoned{};
    }

    Workspace& m_work;
    const TextTable& m_list;
    const RowSelection m_rows;
    int m_position = 0; // of the row being written, from 1
    ProgressSink* m_bar;
    ReportingProcedure m_write;
    const QString m_writing;
    AtomicFile m_file;
    const quint64 m_revision;
    bool m_changed = false;
    ReportOutcome m_outcome;
};

} // namespace

ReportOutcome writeAlignedReport(Workspace& work, const TextTable& list, const QString& fileName,
                                 ProgressSink* bar, const RowSelection& rows)
{
    return AlignedReportRun(work, list, rows, fileName, bar).run();
}

} // namespace quillfen
