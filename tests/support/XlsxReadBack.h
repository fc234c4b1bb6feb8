#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace quillfen::test {

// An .xlsx file as a real reader sees it: its values through openpyxl (Debian's
// python3-openpyxl, run by /usr/bin/python3), its cell types, formulas and column widths from
// the sheet's own XML.
struct SheetReadBack {
    QString error; // why the file could not be read; empty when it was
    int sheets = 0;
    QMap<QString, QString> texts;       // "A1" -> value, for the cells holding a text
    QStringList otherValues;            // cells holding anything but a text or a date
    QMap<QString, QString> dates;       // "A1" -> the date value as ISO 8601, for date cells
    QMap<QString, QString> dateFormats; // "A1" -> the number format of a date cell
    QMap<QString, QString> types;       // "A1" -> the cell's type attribute ("n" when it has none)
    int formulas = 0;
    QMap<int, double> widths; // by column from 1, as the file sets them
};

SheetReadBack readBackXlsx(const QString& path);

} // namespace quillfen::test
