#include "commands/ExtractionRun.h"

#include "base/Paths.h"
#include "base/Texts.h"
#include "commands/CommandContext.h"
#include "commands/ErrorReport.h"
#include "commands/Summaries.h"
#include "dates/DateTextFormat.h"
#include "files/StampPrefetch.h"

#include <QLocale>
#include <QScopeGuard>

#include <array>
#include <ctime>
#include <memory>

namespace quillfen {

namespace {

// "Start Extracting"
const QString kLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton3_Click ");
constexpr int kTestEmpty = 104;
constexpr int kEnterBusy = 106;
constexpr int kRemoveColumns = 108;
constexpr int kAddPathColumn = 110;
constexpr int kRemoveRows = 124;
constexpr int kCountFiles = 126;
constexpr int kReadPath = 128;
constexpr int kSetPosition = 130;
constexpr int kSetCaption = 132;
constexpr int kYield = 134;
constexpr int kBusyAgain = 136;
constexpr int kAppendRow = 138;
constexpr int kTickAll = 162;
constexpr int kLeaveBusy = 166;
constexpr int kPositionAtRest = 168;
constexpr int kCaptionAtRest = 170;
constexpr int kTellDone = 172;
constexpr int kTellNoFiles = 174;

// Each date has its steps: whether to add its column (and adding it), and per row whether
// its box is ticked, finding its column and storing its date.
struct DateSteps {
    StampKind kind;
    int testColumn;
    int addColumn;
    int testBox;
    int findColumn;
    int store;
};
constexpr std::array<DateSteps, 3> kDateSteps{{
    {StampKind::Modified, 112, 114, 140, 142, 144},
    {StampKind::Created, 116, 118, 146, 148, 150},
    {StampKind::Accessed, 120, 122, 152, 154, 156},
}};

// Each date's column keeps its instants (to sort by, and for the workbook) and makes their
// texts when they are read, in the locale of the run: a million dates then cost no text
// each. Each kind keeps the last day it saw, and the kinds' days differ.
void showDatesAsText(RowModel& results)
{
    for (const DateSteps& date : kDateSteps) {
        const int k = results.columnWithId(dateColumnId(date.kind));
        if (k <= 0)
            continue;
        struct Text {
            DateTextFormat format;
            LocalTimeConverter clock;
        };
        results.setKeyText(k, [text = std::make_shared<Text>()](qint64 key, QByteArray& out) {
            text->format.appendUtf8(text->clock.convert(instantOfKey(key)), out);
        });
    }
}

// The rows of one run, read from the file list with their dates.
class RowExtraction {
public:
    RowExtraction(ReportingProcedure& run, Workspace& work, const DateChoice& dates)
        : m_run(run)
        , m_work(work)
        , m_dates(dates)
        , m_prefetch([&files = work.files](int row, QByteArray& out) {
            if (row >= files.rows())
                return false;
            files.table().appendTextUtf8(row, out);
            return true;
        })
    {
    }

    int unread() const { return m_unread; }

    void extract(int i)
    {
        RowModel& files = m_work.files;
        // A row gone from the list leaves the path empty, never the previous row's. The path
        // goes from list to list as UTF-8, shared rather than copied; the file name in the
        // progress bar becomes a string only when the bar is drawn.
        const TextTable::SharedText path =
            m_run.value(kReadPath, TextTable::SharedText{}, [&] { return files.sharedText(i); });
        m_path.resize(0);
        path.appendTo(m_path);
        const QByteArrayView pathUtf8 = m_path;
        m_run.step(kSetPosition, [&] {
            m_work.progress.setPosition((i + 1) / static_cast<double>(files.rows()) * 100);
        });
        m_run.step(kSetCaption, [&] {
            // The file name as fileNameOfPath takes it: after the last separator.
            const char separator = static_cast<char>(kSeparator.unicode());
            m_work.progress.setCaption(m_processing,
                                       pathUtf8.sliced(pathUtf8.lastIndexOf(separator) + 1));
        });
        m_run.step(kYield, [&] { m_work.session.yield(); });
        m_run.step(kBusyAgain, [&] { m_work.session.setPointer(WindowPointer::Hourglass); });
        RowModel& results = m_work.results;
        m_run.step(kAppendRow, [&] { results.appendRow(path); });
        const int row = results.rows() - 1;

        // One lookup serves every date of the row; boxes are read afresh for each row.
        std::optional<std::optional<FileTimes>> times;
        for (const DateSteps& date : kDateSteps) {
            if (!m_run.test(date.testBox, [&] { return m_dates.isChosen(date.kind); }))
                continue;
            // A box ticked during the run has no column: 0 names none, so storing fails.
            const int k = m_run.value(date.findColumn, 0, [&] {
                return std::max(results.columnWithId(dateColumnId(date.kind)), 0);
            });
            m_run.step(date.store, [&] {
                if (!times) {
                    times = m_prefetch.read(i, pathUtf8, m_work.session.eventRounds());
                    if (!*times)
                        ++m_unread;
                }
                const std::optional<timespec> stamp =
                    *times ? stampOf(**times, date.kind) : std::nullopt;
                results.setSubItemKey(row, k, stamp ? instantKey(*stamp) : TextTable::kNoKey);
            });
        }
    }

private:
    ReportingProcedure& m_run;
    Workspace& m_work;
    const DateChoice& m_dates;
    StampPrefetch m_prefetch;
    const QString m_processing = texts::kProcessing(); // once, not once per row
    int m_unread = 0;                                  // rows whose file gave no dates
    QByteArray m_path; // the row's path in one piece, its buffer used again for every row
};

} // namespace

void ExtractionRun::run(Workspace& work, const DateChoice& dates)
{
    if (m_running)
        return; // a second click while a run yields
    m_running = true;
    const auto clearFlag = qScopeGuard([this] { m_running = false; });

    ReportingProcedure run(work.messages.boxes(), kLocation);
    RowModel& results = work.results;
    if (run.test(kTestEmpty, [&] { return work.files.rows() == 0; })) {
        run.step(kTellNoFiles, [&] { work.messages.tell(texts::kNoFilesAdded()); });
        return;
    }

    run.step(kEnterBusy, [&] { work.session.setPointer(WindowPointer::Hourglass); });
    run.step(kRemoveColumns, [&] { results.removeAllColumns(); });
    results.setSorting(std::nullopt); // the rows come in the file list's order again
    run.step(kAddPathColumn, [&] { results.addColumn(texts::kFilenameColumn()); });
    for (const DateSteps& date : kDateSteps) {
        if (run.test(date.testColumn, [&] { return dates.isChosen(date.kind); }))
            run.step(date.addColumn,
                     [&] { results.addColumn(stampHeader(date.kind)(), dateColumnId(date.kind)); });
    }
    run.step(kRemoveRows, [&] { results.removeAllRows(); });

    ::tzset(); // time-zone rules are read once per run
    showDatesAsText(results);
    RowExtraction rows(run, work, dates);
    const int count = run.value(kCountFiles, 0, [&] { return work.files.rows(); });
    results.reserveRows(count);
    bool stopped = false;
    try {
        for (int i = 0; i < count; ++i)
            rows.extract(i);
    } catch (const CommandStopped&) {
        stopped = true; // the rows done stay, ticked as a finished run ticks them
    }

    run.step(kTickAll, [&] { results.setAllChecked(true); });
    run.step(kLeaveBusy, [&] { work.session.setPointer(WindowPointer::Default); });
    run.step(kPositionAtRest, [&] { work.progress.setPosition(0); });
    run.step(kCaptionAtRest, [&] { work.progress.setCaption(texts::kProgressAtRest()); });
    if (stopped) {
        work.status.showSummary(
            texts::kStoppedExtracting().arg(QLocale().toString(results.rows()),
                                            counted(count, texts::kRowOne(), texts::kRowMany())));
        return;
    }
    const int unread = rows.unread();
    work.status.showSummary(
        texts::kExtracted().arg(counted(results.rows(), texts::kRowOne(), texts::kRowMany()))
        + (unread == 0       ? QString()
               : unread == 1 ? texts::kNotFoundOne()
                             : texts::kNotFoundMany().arg(QLocale().toString(unread))));
    run.step(kTellDone, [&] { work.messages.tell(texts::kDone()); });
}

} // namespace quillfen
