#include "commands/SpreadsheetExportCommand.h"

#include "base/Texts.h"
#include "commands/ErrorReport.h"
#include "commands/Summaries.h"
#include "commands/WindowContext.h"
#include "dates/LocalTime.h"
#include "dates/SpreadsheetDates.h"

#include <algorithm>

namespace quillfen {

namespace {

// Where the error report says a failure happened.
const QString kLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton13_Click ");

SpreadsheetApp& spreadsheetOf(WindowContext& window)
{
    SpreadsheetApp* app = window.platform().spreadsheet.get();
    if (app == nullptr)
        throw Failure(QStringLiteral("This desktop offers no spreadsheet application"));
    return *app;
}

// A results cell after the path: its date value where the run kept the date's instant and the
// spreadsheet can show it, else its text.
void setResultsCell(SpreadsheetWorkbook& sheet, int sheetRow, int column, const RowModel& results,
                    int row)
{
    const QString text = results.subItem(row, column - 1);
    const qint64 instant = results.table().subItemKey(row, column - 1);
    if (instant != TextTable::kNoKey) {
        if (const auto date = spreadsheetDateOf(instantOfKey(instant))) {
            sheet.setDateCell(sheetRow, column, date->value, date->midnight, text);
            return;
        }
    }
    sheet.setCell(sheetRow, column, resultsCellText(column, text));
}

} // namespace

bool isSpreadsheetAppInstalled(WindowContext& window)
{
    bool installed = true;
    try {
        // Only whether an instance starts matters; it is released at once, never shown.
        spreadsheetOf(window).start();
    } catch (const std::exception&) {
        window.tell(texts::kNoSpreadsheetApp());
        installed = false;
    }
    return installed;
}

QString rowsLeftOutText(int rowsPlaced, int tickedRowsLeftOut)
{
    return QStringLiteral("Only the first %1 results rows fit into the sheet, whose first row "
                          "holds the headers. Ticked rows after them that are not in the "
                          "workbook: %2.")
        .arg(rowsPlaced)
        .arg(tickedRowsLeftOut);
}

void exportResultsToSpreadsheet(WindowContext& window)
{
    exportResultsToSpreadsheet(window, kSheetRows);
}

void exportResultsToSpreadsheet(WindowContext& window, int sheetRows)
{
    ReportingProcedure run(*window.platform().messages, kLocation);
    if (!run.test(100, [&] { return isSpreadsheetAppInstalled(window); })) {
        run.step(170, [&] { window.tell(texts::kNoSpreadsheetForFeature()); });
        return;
    }
    const RowModel& results = window.resultsList().rows();
    if (run.test(108, [&] { return results.rows() == 0; }))
        return;

    run.step(110, [&] { window.setPointer(WindowPointer::Hourglass); });
    const auto endBusy = [&] { run.step(168, [&] { window.setPointer(WindowPointer::Default); }); };

    // Without an application or a workbook every later step would fail as well: one report
    // says it, instead of one per cell.
    std::unique_ptr<SpreadsheetInstance> app = run.value(
        112, std::unique_ptr<SpreadsheetInstance>(), [&] { return spreadsheetOf(window).start(); });
    if (app == nullptr) {
        endBusy();
        return;
    }
    // Writing a big workbook takes seconds; the window goes on meanwhile, as it does between
    // cells, and closing it ends the export there.
    app->setWaitStep([&window] { window.yield(); });
    SpreadsheetWorkbook* const sheet = run.value(114, static_cast<SpreadsheetWorkbook*>(nullptr),
                                                 [&] { return &app->addWorkbook(); });
    if (sheet == nullptr) {
        endBusy();
        return;
    }
    // Dates go in as date values, shown as the window shows them, so the spreadsheet sorts and
    // filters them as dates; a locale whose formats it cannot show keeps the texts.
    run.step(114, [&] {
        if (const auto formats = spreadsheetDateFormats())
            sheet->setDateFormats(formats->dateTime, formats->dateOnly);
    });

    // A stop ends the export wherever it yields: the workbook is neither written nor shown.
    int placed = 0; // ticked rows in the sheet
    try {
        // The list may change while the export yields ("Clear Results", a new run): a column or
        // row that is gone ends its loop instead of failing once per cell.
        const int headerColumns = run.value(116, 0, [&] { return results.columns(); });
        for (int c = 1; c <= headerColumns; ++c) {
            run.step(120, [&] { window.yield(); });
            if (c > results.columns())
                break;
            if (c == 1)
                run.step(124, [&] { sheet->setCell(1, 1, results.header(0)); });
            else
                run.step(128, [&] { sheet->setCell(1, c, results.header(c - 1)); });
        }

        int sheetRow = 2; // step 134
        const int rows = run.value(136, 0, [&] { return results.rows(); });
        // Results row r goes to sheet row r + 1, so the header leaves room for one row less.
        const int fitting = std::min(rows, sheetRows - 1);
        int tickedLeftOut = 0;
        for (int r = fitting; r < rows; ++r) {
            if (results.isChecked(r))
                ++tickedLeftOut;
        }
        for (int r = 0; r < fitting; ++r) {
            run.step(138, [&] { window.yield(); });
            if (r >= results.rows())
                break;
            if (run.test(140, [&] { return results.isChecked(r); })) {
                ++placed;
                const int columns = run.value(142, 0, [&] { return results.columns(); });
                for (int c = 1; c <= columns; ++c) {
                    run.step(144, [&] { window.yield(); });
                    if (r >= results.rows() || c > results.columns())
                        break;
                    if (c == 1)
                        run.step(150, [&] { sheet->setCell(sheetRow, 1, results.text(r)); });
                    else
                        run.step(154, [&] { setResultsCell(*sheet, sheetRow, c, results, r); });
                }
            }
            ++sheetRow; // step 160, ticked or not
        }

        run.step(164, [&] { sheet->autoFitColumns(); });
        const int reportsBefore = run.reports();
        run.step(166, [&] { app->setVisible(); });
        const bool shown = run.reports() == reportsBefore;
        app.reset(); // the user owns the application and its workbook from here on
        endBusy();
        window.showSummary(shown ? texts::kOpenedWorkbook().arg(
                               counted(placed, texts::kRowOne(), texts::kRowMany()))
                                 : QString());
        // Said once, after the rows that fit are shown. It is a limit of the sheet, not a fault
        // of the program, so it is a plain warning rather than the error report.
        if (shown && tickedLeftOut > 0) {
            run.step(168, [&] {
                window.platform().messages->show(rowsLeftOutText(fitting, tickedLeftOut),
                                                 window.appTitle(), MessageButtons::Ok,
                                                 MessageIcon::Warning);
            });
        }
    } catch (const CommandStopped&) {
        app.reset(); // its workbook is dropped unwritten
        endBusy();
        window.showSummary(texts::kStoppedExporting());
    }
}

} // namespace quillfen
