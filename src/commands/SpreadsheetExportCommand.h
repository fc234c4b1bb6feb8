#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

namespace quillfen {

class SpreadsheetApp;
struct Workspace;

// "Save Results As Excel File": opens the results in a new, unsaved workbook of the user's
// spreadsheet application: the headers in row 1, results row r in sheet row r + 1 (empty for
// an unticked row), each cell as placeResultsCell() maps it. `sheetRows` is the sheet's row
// count, a parameter so the limit can be tested with a small sheet: results rows that do not
// fit are left out and the user is told once. No application is a SpreadsheetApp of null.
void exportResultsToSpreadsheet(Workspace& work, SpreadsheetApp* spreadsheet);
void exportResultsToSpreadsheet(Workspace& work, SpreadsheetApp* spreadsheet, int sheetRows);

} // namespace quillfen
