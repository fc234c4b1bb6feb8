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
    // A plain number (a size); `text` is how it reads. Where numbers are not kept apart, the
    // text.
    virtual void setNumberCell(int row, int column, double value, const QString& text)
    {
        static_cast<void>(value);
        setCell(row, column, text);
    }
};

// A date as a workbook keeps it.
struct WorkbookDate {
    double value;
    bool dateOnly;
};

// A results cell as a workbook takes it.
struct ResultsCell {
    QString text;                     // how it reads
    bool isPath = false;              // the path column's
    std::optional<WorkbookDate> date; // a date's value, where it can be one
    std::optional<double> number;     // a size's
};

// The one mapping of a results cell to a workbook cell, for the window's export and the
// command line's workbook alike. The path is written as it is; a date goes in as a date
// value and a size as a number where they have one; any other text loses every "=", so that
// it is never taken for a formula.
void placeResultsCell(WorkbookCells& sheet, int row, int column, const ResultsCell& cell);

} // namespace quillfen
