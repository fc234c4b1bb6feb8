#include "table/WorkbookCells.h"

namespace quillfen {

namespace {

// A text after the path as the workbook takes it: without "=".
QString resultsCellText(const QString& text)
{
    if (!text.contains(u'='))
        return text;
    QString kept = text;
    return kept.remove(u'=');
}

} // namespace

void placeResultsCell(WorkbookCells& sheet, int row, int column, const ResultsCell& cell)
{
    if (cell.isPath)
        sheet.setCell(row, column, cell.text);
    else if (cell.date)
        sheet.setDateCell(row, column, cell.date->value, cell.date->dateOnly, cell.text);
    else if (cell.number)
        sheet.setNumberCell(row, column, *cell.number, cell.text);
    else
        sheet.setCell(row, column, resultsCellText(cell.text));
}

} // namespace quillfen
