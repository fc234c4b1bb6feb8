#pragma once

// Layer dates: local time and date texts; uses base and Qt Core.

#include <QByteArray>
#include <QString>

#include <vector>

namespace quillfen {

// Turns the locale's date and time formats (QLocale's format letters) into the form the date
// text is rendered from: a list of fields and literals, compiled once per run.

// One field of a compiled format, or a literal.
struct DateFormatToken {
    enum Kind : unsigned char {
        Literal,
        Day,
        Day2,
        DayName,
        DayLongName,
        Month,
        Month2,
        MonthName,
        MonthLongName,
        Year,
        Hour12,
        Hour12_2,
        Hour24,
        Hour24_2,
        Minute,
        Minute2,
        Second,
        Second2,
        AmPmUpper,
        AmPmLower,
        AmPm
    } kind;
    QString literal;
    QByteArray literalUtf8;
};

// Compiles a QLocale date or time format; false when it holds a field the compiled form does
// not render (time zones, two-digit years), which is then left to QLocale.
bool compileDateFormat(const QString& format, std::vector<DateFormatToken>& tokens);

// A short date format with its year widened to four digits ("M/d/yy" gives "M/d/yyyy").
QString withFourDigitYear(const QString& format);
// A time format without its time-zone field, the brackets around it and the blanks and commas
// that part it from the rest ("h:mm:ss AP t" and "h:mm:ss AP (t)" give "h:mm:ss AP").
QString withoutTimeZone(const QString& format);
// The format with plain spaces for the narrow and non-breaking ones some locales put before
// AM/PM, so the text stays readable wherever it is pasted.
QString withPlainSpaces(QString format);

} // namespace quillfen
