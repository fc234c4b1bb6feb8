#include "table/WorkbookCells.h"

namespace quillfen {

QString resultsCellText(int column, const QString& text)
{
    if (column == 1 || !text.contains(u'='))
        return text;
    QString kept = text;
    return kept.remove(u'=');
}

void placeResultsCell(WorkbookCells& sheet, int row, int column, const QString& text,
                      std::optional<WorkbookDate> date)
{
    if (column > 1 && date)
        sheet.setDateCell(row, column, date->value, date->dateOnly, text);
    else
        sheet.setCell(row, column, resultsCellText(column, text));
}

} // namespace quillfen
