#pragma once

// Layer dates: local time and date texts; uses base and Qt Core.

#include <QLocale>
#include <QString>

#include <ctime>
#include <optional>

namespace quillfen {

// Dates as a spreadsheet keeps them: a number of days since its zero date, shown through a
// number format, so that it sorts and filters them as dates.

// The number formats that show a date value as the window shows its text: the locale's short
// date with a four-digit year and long time, and the date alone for midnight. None when the
// locale's formats have fields a number format cannot show (other digits, time zones).
struct SpreadsheetDateFormats {
    QString dateTime;
    QString dateOnly;
};
std::optional<SpreadsheetDateFormats> spreadsheetDateFormats(const QLocale& locale = QLocale());

// A time stamp's local wall-clock time as a date value, and whether it is midnight. None for
// a time before 1 March 1900 or after 9999, which spreadsheets do not show as dates.
struct SpreadsheetDate {
    double value;
    bool midnight;
};
std::optional<SpreadsheetDate> spreadsheetDateOf(const timespec& stamp);

} // namespace quillfen
