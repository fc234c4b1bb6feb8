#pragma once

// Layer table: the text table, its order and the writers that turn it into bytes; uses base,
// Qt Core, libxlsxwriter and ICU.

#include <QString>

#include <optional>

namespace quillfen {

// Where results go cell by cell: a sheet being written to a file, or a workbook of the user's
// spreadsheet application. Rows and columns count from 1.
class WorkbookCells {
public:
    virtual ~WorkbookCells() = default;
    // A text, never read as a number or formula; an empty text leaves the cell empty.
    virtual void setCell(int row, int column, const QString& text) = 0;
    // A date value (days since 30 December 1899, the fraction the time of day), shown with
    // the date-only format when `dateOnly`; `text` is how it reads, for the column's width.
    virtual void setDateCell(int row, int column, double value, bool dateOnly,
                             const QString& text) = 0;
};

// A date as a workbook keeps it.
struct WorkbookDate {
    double value;
    bool dateOnly;
};

// The one mapping of a results cell to a workbook cell, for the window's export and the
// command line's workbook alike. Column 1, the path, is written as it is. A later column is
// a date value where it has one, else its text with every "=" removed, so that a text is
// never taken for a formula.
void placeResultsCell(WorkbookCells& sheet, int row, int column, const QString& text,
                      std::optional<WorkbookDate> date = std::nullopt);

// A results cell's text as the workbook takes it (see placeResultsCell).
QString resultsCellText(int column, const QString& text);

} // namespace quillfen
