#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include <QString>

namespace quillfen {

class WindowContext;

// "Save Results As Excel File": opens the results in a new, unsaved workbook of the user's
// spreadsheet application: the headers in row 1, results row r in sheet row r + 1 (empty for
// an unticked row), every "=" removed from the columns after the first, every value a text.
void exportResultsToSpreadsheet(WindowContext& window);

// The same with the sheet's row count as a parameter, so the row limit can be tested with a
// small sheet. Results rows that do not fit are left out and the user is told once.
void exportResultsToSpreadsheet(WindowContext& window, int sheetRows);

// Whether the spreadsheet application can be started. When it cannot, tells the user so
// before answering false; it never shows the error report.
bool isSpreadsheetAppInstalled(WindowContext& window);

// The message for results rows that did not fit into the sheet.
QString rowsLeftOutText(int rowsPlaced, int tickedRowsLeftOut);

} // namespace quillfen
