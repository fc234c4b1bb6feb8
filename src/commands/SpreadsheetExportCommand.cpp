#include "commands/SpreadsheetExportCommand.h"

#include "base/Texts.h"
#include "commands/CommandContext.h"
#include "commands/ErrorReport.h"
#include "commands/ResultsComparison.h"
#include "commands/Summaries.h"
#include "dates/LocalTime.h"
#include "dates/SpreadsheetDates.h"
#include "desktop/SpreadsheetApp.h"
#include "table/XlsxSheet.h"

#include <algorithm>

namespace quillfen {

namespace {

// "Save Results As Excel File"
const QString kLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton13_Click ");
constexpr int kCheckInstalled = 100;
constexpr int kCheckRows = 108;
constexpr int kEnterBusy = 110;
constexpr int kStartApp = 112;
constexpr int kAddWorkbook = 114;
constexpr int kHeaderCount = 116;
constexpr int kHeaderYield = 120;
constexpr int kFirstHeader = 124;
constexpr int kLaterHeader = 128;
constexpr int kRowCount = 136;
constexpr int kRowYield = 138;
constexpr int kTestTick = 140;
constexpr int kCellCount = 142;
constexpr int kCellYield = 144;
constexpr int kPathCell = 150;
constexpr int kDateCell = 154;
constexpr int kFitColumns = 164;
constexpr int kShow = 166;
constexpr int kLeaveBusy = 168;
constexpr int kNotInstalled = 170;

SpreadsheetApp& spreadsheetOf(SpreadsheetApp* app)
{
    if (app == nullptr)
        throw Failure(texts::kNoSpreadsheetOnDesktop());
    return *app;
}

// Whether the spreadsheet application can be started. When it cannot, tells the user so
// before answering false; it never shows the error report.
bool isSpreadsheetAppInstalled(Messages& messages, SpreadsheetApp* app)
{
    bool installed = true;
    try {
        // Only whether an instance starts matters; it is released at once, never shown.
        spreadsheetOf(app).start();
    } catch (const std::exception&) {
        messages.tell(texts::kNoSpreadsheetApp());
        installed = false;
    }
    return installed;
}

// A results cell after the path: its date value where the run kept the date's instant and the
// spreadsheet can show it, else its text.
void placeCell(SpreadsheetWorkbook& sheet, int sheetRow, int column, const RowModel& results,
               int row)
{
    ResultsCell cell;
    cell.text = results.subItem(row, column - 1);
    const qint64 instant = results.table().subItemKey(row, column - 1);
    // The change column's keys say what changed; only a date column's are instants.
    if (instant != TextTable::kNoKey && results.columnId(column - 1) != kChangeColumnId) {
        if (const auto date = spreadsheetDateOf(instantOfKey(instant)))
            cell.date = WorkbookDate{date->value, date->midnight};
    }
    placeResultsCell(sheet, sheetRow, column, cell);
}

// Filling an open workbook: the header row, then one sheet row per results row.
class SheetFilling {
public:
    SheetFilling(ReportingProcedure& run, Workspace& work, SpreadsheetWorkbook& sheet,
                 const RowSelection& rows)
        : m_run(run)
        , m_work(work)
        , m_sheet(sheet)
        , m_rows(rows)
    {
    }

    int placed() const { return m_placed; }

    // The list may change while the export yields ("Clear Results", a new run): a column or
    // row that is gone ends its loop instead of failing once per cell.
    void placeHeaders()
    {
        const RowModel& results = m_work.results;
        const int columns = m_run.value(kHeaderCount, 0, [&] { return results.columns(); });
        for (int c = 1; c <= columns; ++c) {
            m_run.step(kHeaderYield, [&] { m_work.session.yield(); });
            if (c > results.columns())
                break;
            m_run.step(c == 1 ? kFirstHeader : kLaterHeader,
                       [&] { m_sheet.setCell(1, c, results.header(c - 1)); });
        }
    }

    // The i-th row written goes to sheet row i + 2, ticked or not, for the first `fitting`.
    void placeRows(int fitting)
    {
        const RowModel& results = m_work.results;
        for (int i = 0; i < fitting; ++i) {
            m_run.step(kRowYield, [&] { m_work.session.yield(); });
            const int r = m_rows.at(i);
            if (r >= results.rows())
                break;
            if (m_run.test(kTestTick, [&] { return results.isChecked(r); })) {
                ++m_placed;
                placeRow(r, i + 2);
            }
        }
    }

private:
    void placeRow(int r, int sheetRow)
    {
        const RowModel& results = m_work.results;
        const int columns = m_run.value(kCellCount, 0, [&] { return results.columns(); });
        for (int c = 1; c <= columns; ++c) {
            m_run.step(kCellYield, [&] { m_work.session.yield(); });
            if (r >= results.rows() || c > results.columns())
                break;
            if (c == 1) {
                m_run.step(kPathCell, [&] {
                    ResultsCell path;
                    path.text = results.text(r);
                    path.isPath = true;
                    placeResultsCell(m_sheet, sheetRow, 1, path);
                });
            } else {
                m_run.step(kDateCell, [&] { placeCell(m_sheet, sheetRow, c, results, r); });
            }
        }
    }

    ReportingProcedure& m_run;
    Workspace& m_work;
    SpreadsheetWorkbook& m_sheet;
    const RowSelection m_rows;
    int m_placed = 0; // ticked rows in the sheet
};

// The ticked rows among `rows` from the `first` on.
int tickedFrom(const RowModel& results, const RowSelection& rows, int first)
{
    int ticked = 0;
    for (int i = first; i < rows.count(results.table()); ++i) {
        if (results.isChecked(rows.at(i)))
            ++ticked;
    }
    return ticked;
}

} // namespace

void exportResultsToSpreadsheet(Workspace& work, SpreadsheetApp* spreadsheet)
{
    exportResultsToSpreadsheet(work, spreadsheet, kSheetRows);
}

void exportResultsToSpreadsheet(Workspace& work, SpreadsheetApp* spreadsheet, int sheetRows)
{
    ReportingProcedure run(work.messages.boxes(), kLocation);
    if (!run.test(kCheckInstalled,
                  [&] { return isSpreadsheetAppInstalled(work.messages, spreadsheet); })) {
        run.step(kNotInstalled, [&] { work.messages.tell(texts::kNoSpreadsheetForFeature()); });
        return;
    }
    if (run.test(kCheckRows, [&] { return work.results.rows() == 0; }))
        return;

    run.step(kEnterBusy, [&] { work.session.setPointer(WindowPointer::Hourglass); });
    const auto endBusy = [&] {
        run.step(kLeaveBusy, [&] { work.session.setPointer(WindowPointer::Default); });
    };
    // Without an application or a workbook every later step would fail as well: one report
    // says it, instead of one per cell.
    std::unique_ptr<SpreadsheetInstance> app =
        run.value(kStartApp, std::unique_ptr<SpreadsheetInstance>(),
                  [&] { return spreadsheetOf(spreadsheet).start(); });
    // Writing a big workbook takes seconds; the window goes on meanwhile, as it does between
    // cells, and closing it ends the export there.
    if (app != nullptr)
        app->setWaitStep([&work] { work.session.yield(); });
    SpreadsheetWorkbook* const sheet = app == nullptr
        ? nullptr
        : run.value(kAddWorkbook, static_cast<SpreadsheetWorkbook*>(nullptr),
                    [&] { return &app->addWorkbook(); });
    if (sheet == nullptr) {
        endBusy();
        return;
    }
    // Dates go in as date values, shown as the window shows them, so the spreadsheet sorts and
    // filters them as dates; a locale whose formats it cannot show keeps the texts.
    run.step(kAddWorkbook, [&] {
        if (const auto formats = spreadsheetDateFormats())
            sheet->setDateFormats(formats->dateTime, formats->dateOnly);
    });

    // A stop ends the export wherever it yields: the workbook is neither written nor shown.
    const ShownRows shown(work.results);
    SheetFilling filling(run, work, *sheet, shown.selection());
    try {
        filling.placeHeaders();
        const int rows =
            run.value(kRowCount, 0, [&] { return shown.selection().count(work.results.table()); });
        // The header leaves room for one results row less than the sheet has.
        const int fitting = std::min(rows, sheetRows - 1);
        const int tickedLeftOut = tickedFrom(work.results, shown.selection(), fitting);
        filling.placeRows(fitting);
        run.step(kFitColumns, [&] { sheet->autoFitColumns(); });
        const int reportsBefore = run.reports();
        run.step(kShow, [&] { app->setVisible(); });
        const bool shownApp = run.reports() == reportsBefore;
        app.reset(); // the user owns the application and its workbook from here on
        endBusy();
        work.status.showSummary(shownApp
                                    ? texts::kOpenedWorkbook().arg(counted(
                                          filling.placed(), texts::kRowOne(), texts::kRowMany()))
                                        + hiddenByFilter(shown)
                                    : QString());
        // Said once, after the rows that fit are shown. It is a limit of the sheet, not a fault
        // of the program, so it is a plain warning rather than the error report.
        if (shownApp && tickedLeftOut > 0) {
            run.step(kLeaveBusy, [&] {
                work.messages.warn(texts::kRowsLeftOut().arg(fitting).arg(tickedLeftOut));
            });
        }
    } catch (const CommandStopped&) {
        app.reset(); // its workbook is dropped unwritten
        endBusy();
        work.status.showSummary(texts::kStoppedExporting());
    }
}

} // namespace quillfen
