#include "commands/ExtractionRun.h"

#include "base/Paths.h"
#include "base/Texts.h"
#include "commands/ErrorReport.h"
#include "commands/Summaries.h"
#include "commands/WindowContext.h"
#include "dates/DateTextFormat.h"
#include "files/StampPrefetch.h"

#include <QLocale>

#include <array>
#include <ctime>
#include <memory>

namespace quillfen {

namespace {

// Where the error report says a failure happened.
const QString kLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton3_Click ");

constexpr int kFilenameColumnTwips = 3000;

struct DateColumn {
    StampKind kind;
    const UiText& header;
    int testMarker; // the steps: test the box, find the column, store the text
};

const std::array<DateColumn, 3> kDateColumns{{
    {StampKind::Modified, texts::kDateModifiedColumn, 140},
    {StampKind::Created, texts::kDateCreatedColumn, 146},
    {StampKind::Accessed, texts::kDateAccessedColumn, 152},
}};

} // namespace

int columnWithHeader(const TextTable& table, const QString& header)
{
    for (int column = 0; column < table.columns(); ++column) {
        if (table.header(column) == header)
            return column;
    }
    return 0;
}

void ExtractionRun::run(WindowContext& window)
{
    if (m_running)
        return; // a second click while a run yields
    m_running = true;
    struct ClearFlag {
        bool& flag;
        ~ClearFlag() { flag = false; }
    } clearFlag{m_running};

    ReportingProcedure run(*window.platform().messages, kLocation);
    RowModel& files = window.fileList().rows();
    ListControl& resultsView = window.resultsList();
    RowModel& results = resultsView.rows();
    ProgressBar& bar = window.progressBar();

    if (run.test(104, [&] { return files.rows() == 0; })) {
        run.step(174, [&] { window.tell(texts::kNoFilesAdded()); });
        return;
    }

    run.step(106, [&] { window.setPointer(WindowPointer::Hourglass); });
    run.step(108, [&] { results.removeAllColumns(); });
    resultsView.clearSort(); // the rows come in the file list's order again
    run.step(110, [&] { resultsView.addColumn(texts::kFilenameColumn(), kFilenameColumnTwips); });
    int marker = 112;
    for (const DateColumn& column : kDateColumns) {
        if (run.test(marker, [&] { return window.dateBoxValue(column.kind) == 1; }))
            run.step(marker + 2, [&] { resultsView.addColumn(column.header()); });
        marker += 4;
    }
    run.step(124, [&] { results.removeAllRows(); });

    ::tzset(); // time-zone rules are read once per run
    // The dates are kept as their instants (to sort by, and for the workbook) and their texts
    // made from them when they are read, in the locale of the run: a million dates then cost
    // no text each. Each kind keeps the last day it saw, and the kinds' days differ.
    for (const DateColumn& column : kDateColumns) {
        const int k = columnWithHeader(results.table(), column.header());
        if (k == 0)
            continue;
        struct Text {
            DateTextFormat format;
            LocalTimeConverter clock;
        };
        results.setKeyText(k, [text = std::make_shared<Text>()](qint64 key, QByteArray& out) {
            text->format.appendUtf8(text->clock.convert(instantOfKey(key)), out);
        });
    }
    StampPrefetch prefetch([&](int row, QByteArray& out) {
        if (row >= files.rows())
            return false;
        files.table().appendTextUtf8(row, out);
        return true;
    });
    // The path goes from list to list as UTF-8, shared rather than copied; the file name in
    // the progress bar becomes a string only when the bar is drawn.
    // Translated once, not once per row.
    const QString processing = texts::kProcessing();
    std::array<QString, kDateColumns.size()> headers;
    for (std::size_t c = 0; c < kDateColumns.size(); ++c)
        headers[c] = kDateColumns[c].header();
    const int count = run.value(126, 0, [&] { return files.rows(); });
    results.reserveRows(count);
    int unread = 0; // rows whose file gave no dates
    bool stopped = false;
    try {
        for (int i = 0; i < count; ++i) {
            // A row gone from the list leaves the path empty, never the previous row's.
            const TextStore::Shared path =
                run.value(128, TextStore::Shared{}, [&] { return files.sharedText(i); });
            const QByteArrayView pathUtf8 = path.view();
            run.step(130,
                     [&] { bar.setPosition((i + 1) / static_cast<double>(files.rows()) * 100); });
            run.step(132, [&] {
                // The file name as fileNameOfPath takes it: after the last separator.
                const char separator = static_cast<char>(kSeparator.unicode());
                bar.setCaption(processing, pathUtf8.sliced(pathUtf8.lastIndexOf(separator) + 1));
            });
            run.step(134, [&] { window.yield(); });
            run.step(136, [&] { window.setPointer(WindowPointer::Hourglass); });
            run.step(138, [&] { results.appendRow(path); });
            const int row = results.rows() - 1;

            // One lookup serves every date of the row; boxes are read afresh for each row.
            std::optional<std::optional<FileTimes>> times;
            for (std::size_t c = 0; c < kDateColumns.size(); ++c) {
                const DateColumn& column = kDateColumns[c];
                if (!run.test(column.testMarker,
                              [&] { return window.dateBoxValue(column.kind) == 1; }))
                    continue;
                const int k = run.value(column.testMarker + 2, 0, [&] {
                    return columnWithHeader(results.table(), headers[c]);
                });
                run.step(column.testMarker + 4, [&] {
                    if (!times) {
                        times = prefetch.read(i, pathUtf8, window.eventRounds());
                        if (!*times)
                            ++unread;
                    }
                    const std::optional<timespec> stamp =
                        *times ? stampOf(**times, column.kind) : std::nullopt;
                    results.setSubItemKey(row, k, stamp ? instantKey(*stamp) : TextTable::kNoKey);
                });
            }
        }

    } catch (const CommandStopped&) {
        stopped = true; // the rows done stay, ticked as a finished run ticks them
    }

    run.step(162, [&] { results.setAllChecked(true); });
    run.step(166, [&] { window.setPointer(WindowPointer::Default); });
    run.step(168, [&] { bar.setPosition(0); });
    run.step(170, [&] { bar.setCaption(texts::kProgressAtRest()); });
    if (stopped) {
        window.showSummary(
            texts::kStoppedExtracting().arg(QLocale().toString(results.rows()),
                                            counted(count, texts::kRowOne(), texts::kRowMany())));
        return;
    }
    window.showSummary(
        texts::kExtracted().arg(counted(results.rows(), texts::kRowOne(), texts::kRowMany()))
        + (unread == 0       ? QString()
               : unread == 1 ? texts::kNotFoundOne()
                             : texts::kNotFoundMany().arg(QLocale().toString(unread))));
    run.step(172, [&] { window.tell(texts::kDone()); });
}

} // namespace quillfen
