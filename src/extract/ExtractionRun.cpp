#include "extract/ExtractionRun.h"

#include "app/ErrorReport.h"
#include "app/Texts.h"
#include "extract/LastMod.h"
#include "filelist/PathUtils.h"
#include "platform/WindowContext.h"

#include <array>
#include <ctime>

namespace quillfen {

namespace {

constexpr int kFilenameColumnTwips = 3000;

struct DateColumn {
    DateKind kind;
    const QString& header;
    int testMarker; // the steps: test the box, find the column, store the text
};

const std::array<DateColumn, 3> kDateColumns{{
    {DateKind::Modified, texts::kDateModifiedColumn, 140},
    {DateKind::Created, texts::kDateCreatedColumn, 146},
    {DateKind::Accessed, texts::kDateAccessedColumn, 152},
}};

std::optional<timespec> stampOf(const FileTimes& times, DateKind kind)
{
    switch (kind) {
    case DateKind::Modified:
        return times.modified;
    case DateKind::Created:
        return times.created;
    case DateKind::Accessed:
        return times.accessed;
    }
    return std::nullopt;
}

} // namespace

short GetSubItemIndexByHeader(const RowModel& list, const QString& header)
{
    for (int column = 0; column < list.columns(); ++column) {
        if (list.header(column) == header)
            return static_cast<short>(column);
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

    ReportingProcedure run(*window.platform().messages, Procedure::PushButton3_Click);
    RowModel& files = window.fileList().rows();
    ListControl& resultsView = window.resultsList();
    RowModel& results = resultsView.rows();
    ProgressBar& bar = window.progressBar();

    if (run.test(104, [&] { return files.rows() == 0; })) {
        run.step(174, [&] { window.tell(texts::kNoFilesAdded); });
        return;
    }

    run.step(106, [&] { window.setPointer(WindowPointer::Hourglass); });
    run.step(108, [&] { results.removeAllColumns(); });
    run.step(110, [&] { resultsView.addColumn(texts::kFilenameColumn, kFilenameColumnTwips); });
    int marker = 112;
    for (const DateColumn& column : kDateColumns) {
        if (run.test(marker, [&] { return window.dateBoxValue(column.kind) == 1; }))
            run.step(marker + 2, [&] { resultsView.addColumn(column.header); });
        marker += 4;
    }
    run.step(124, [&] { results.removeAllRows(); });

    ::tzset(); // time-zone rules are read once per run
    const DateTextFormat format;
    FileTimesReader reader;
    // The path and the date texts go from store to store as UTF-8, in buffers kept from row to
    // row; only the file name shown in the progress bar becomes a string.
    QByteArray path;
    QByteArray dateText;
    const int count = run.value(126, 0, [&] { return files.rows(); });
    for (int i = 0; i < count; ++i) {
        path.resize(0);
        run.step(128, [&] { files.appendTextUtf8(i, path); });
        run.step(130, [&] { bar.setPosition((i + 1) / static_cast<double>(files.rows()) * 100); });
        run.step(132, [&] {
            // The file name as GetFileNameFromPath takes it: after the last separator.
            const char separator = static_cast<char>(kSeparator.unicode());
            const QByteArrayView name = QByteArrayView(path).sliced(path.lastIndexOf(separator) + 1);
            bar.setCaption(texts::kProcessing + QString::fromUtf8(name));
        });
        run.step(134, [&] { window.yield(); });
        run.step(136, [&] { window.setPointer(WindowPointer::Hourglass); });
        run.step(138, [&] { results.appendUtf8Row(path); });
        const int row = results.rows() - 1;

        // One lookup serves every date of the row; boxes are read afresh for each row.
        std::optional<std::optional<FileTimes>> times;
        for (const DateColumn& column : kDateColumns) {
            if (!run.test(column.testMarker, [&] { return window.dateBoxValue(column.kind) == 1; }))
                continue;
            const short k = run.value(column.testMarker + 2, short{0},
                                      [&] { return GetSubItemIndexByHeader(results, column.header); });
            run.step(column.testMarker + 4, [&] {
                if (!times)
                    times = reader.readUtf8(path);
                dateText.resize(0);
                if (*times) {
                    if (const std::optional<timespec> stamp = stampOf(**times, column.kind))
                        format.appendUtf8(toLocalDateTime(*stamp), dateText);
                }
                results.setSubItemUtf8(row, k, dateText);
            });
        }
    }

    run.step(162, [&] { results.setAllChecked(true); });
    run.step(166, [&] { window.setPointer(WindowPointer::Default); });
    run.step(168, [&] { bar.setPosition(0); });
    run.step(170, [&] { bar.setCaption(texts::kProgressAtRest); });
    run.step(172, [&] { window.tell(texts::kDone); });
}

} // namespace quillfen
