#include "dates/IsoDateText.h"

#include <cstdlib>

namespace quillfen {

namespace {

void appendNumber(QByteArray& out, long long value, int width)
{
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int pad = n; pad < width; ++pad)
        out.append('0');
    while (n > 0)
        out.append(digits[--n]);
}

void appendYear(QByteArray& out, long long year)
{
    if (year < 0 || year > 9999)
        out.append(year < 0 ? '-' : '+');
    appendNumber(out, std::llabs(year), 4);
}

// Stamps inside years 101 to 9998 anywhere on Earth: the converter's range, with a day to
// spare for any offset.
constexpr time_t kConverterFirst = -58979923200; // 0101-01-01 UTC
constexpr time_t kConverterLast = 253370678400;  // 9998-12-31 UTC

} // namespace

IsoDateText::IsoDateText(Zone zone, bool nanoseconds)
    : m_zone(zone)
    , m_nanoseconds(nanoseconds)
{
}

void IsoDateText::append(const timespec& stamp, QByteArray& out)
{
    long long year = 0;
    unsigned month = 0;
    unsigned day = 0;
    int secondOfDay = 0;
    int offset = 0;
    if (m_zone == Zone::Utc) {
        // Whole days and the second of the day, rounding down also before 1970.
        long long days = stamp.tv_sec / 86400;
        long long rest = stamp.tv_sec % 86400;
        if (rest < 0) {
            --days;
            rest += 86400;
        }
        const CivilDate date = civilFromDays(days);
        year = date.year;
        month = date.month;
        day = date.day;
        secondOfDay = static_cast<int>(rest);
    } else {
        const bool inRange = stamp.tv_sec >= kConverterFirst && stamp.tv_sec <= kConverterLast;
        const LocalDateTime local =
            inRange ? m_local.convert(stamp) : toAnyLocalDateTime(stamp.tv_sec);
        year = local.year;
        month = static_cast<unsigned>(local.month);
        day = static_cast<unsigned>(local.day);
        secondOfDay = local.hour * 3600 + local.minute * 60 + local.second;
        offset = local.utcOffset;
    }

    appendYear(out, year);
    out.append('-');
    appendNumber(out, month, 2);
    out.append('-');
    appendNumber(out, day, 2);
    out.append('T');
    appendNumber(out, secondOfDay / 3600, 2);
    out.append(':');
    appendNumber(out, secondOfDay / 60 % 60, 2);
    out.append(':');
    appendNumber(out, secondOfDay % 60, 2);
    if (m_nanoseconds) {
        out.append('.');
        appendNumber(out, stamp.tv_nsec, 9);
    }
    if (m_zone == Zone::Utc) {
        out.append('Z');
        return;
    }
    out.append(offset < 0 ? '-' : '+');
    const int magnitude = std::abs(offset);
    appendNumber(out, magnitude / 3600, 2);
    out.append(':');
    appendNumber(out, magnitude / 60 % 60, 2);
    if (magnitude % 60 != 0) {
        out.append(':');
        appendNumber(out, magnitude % 60, 2);
    }
}

} // namespace quillfen
