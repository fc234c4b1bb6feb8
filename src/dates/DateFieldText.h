#pragma once

// Layer dates: local time and date texts; uses base and Qt Core.

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace quillfen {

// The texts a date field of the results' filter takes and shows. A field holds a date, or a
// date and a time, typed in the locale's short format or as ISO 8601 ("2024-03-31",
// "2024-03-31 14:30", "2024-03-31T14:30:15"), always as local time. What it names is a span
// of instants, as long as its precision: the whole day for a date alone, the minute for a
// time without seconds, the second otherwise; so "before 3/1/2024" means before that day
// begins and "between 3/1/2024 and 3/1/2024" is the whole day.

// Instants as nanoseconds since 1970 (instantKey's scale), first inclusive, end exclusive.
struct InstantSpan {
    qint64 first = 0;
    qint64 end = 0;
    bool operator==(const InstantSpan&) const = default;
};

// The span a field's text names, or nullopt when it names none. A local time the clock skips
// (in the hour a summer time begins) is read as the instant the clock jumps to. A two-digit
// year, as short formats often have, is the one nearest to `today`'s year within a century
// (20 years ahead at most).
std::optional<InstantSpan> parseDateField(QStringView text, const QLocale& locale);

// The text that names the instants from `first` to `last` (inclusive) at the precision they
// need: a date when both are a day's bounds, else a date and time to the minute or the second.
// The year is written in full so that the text reads back the same.
struct DateFieldTexts {
    QString first;
    QString last;
};
DateFieldTexts dateFieldTexts(qint64 first, qint64 last, const QLocale& locale);

// The locale's short date format with the year in full ("M/d/yyyy"), for hints.
QString fullYearDateFormat(const QLocale& locale);

} // namespace quillfen
