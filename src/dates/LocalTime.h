#pragma once

// Layer dates: local time and date texts; uses base and Qt Core.

#include <QtGlobal>

#include <ctime>

namespace quillfen {

// Time stamps as local wall-clock times, and the day arithmetic of the civil calendar.

// A local wall-clock time, whole seconds, and the offset from UTC in force then.
struct LocalDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int utcOffset = 0; // seconds east of UTC

    bool operator==(const LocalDateTime&) const = default;
};

// The zero date: 30 December 1899, midnight.
inline constexpr LocalDateTime kZeroDate{};

// A time stamp in local time, with the time-zone rules in force at that instant (so summer
// and winter times both show their own wall-clock time). Fractions of a second are cut off.
// A time stamp outside 1 January 100 to 31 December 9999 gives the zero date.
LocalDateTime toLocalDateTime(const timespec& stamp);

// The same without the range: any year the system can convert; the zero date when it cannot.
LocalDateTime toAnyLocalDateTime(time_t seconds);

// toLocalDateTime for a long run of stamps. Stamps of one run tend to share their day, so the
// converter keeps the last local day (when no clock change or leap second falls in it) and
// works out the time of day by subtraction instead of asking the time-zone rules again.
class LocalTimeConverter {
public:
    LocalDateTime convert(const timespec& stamp);

private:
    time_t m_dayStart = 0; // the cached local day as UTC seconds, [start, end)
    time_t m_dayEnd = 0;
    LocalDateTime m_day;
};

// A time stamp as one number that orders stamps as time does: nanoseconds since 1970, held
// within the range of the number (the years 1678 to 2262 are kept exactly, others at the end
// of the range); and back.
qint64 instantKey(const timespec& stamp);
timespec instantOfKey(qint64 key);

// Days from 1 January 1970 to a date of the proleptic Gregorian calendar, and back.
long long daysFromCivil(long long year, unsigned month, unsigned day);
struct CivilDate {
    long long year;
    unsigned month;
    unsigned day;
};
CivilDate civilFromDays(long long days);

// A local time as a spreadsheet's date value: days since the zero date, the fraction being the
// time of day (for dates before the zero date both count away from zero).
double serialDate(const LocalDateTime& local);

} // namespace quillfen
