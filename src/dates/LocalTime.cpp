#include "dates/LocalTime.h"

#include <algorithm>
#include <climits>
#include <limits>

namespace quillfen {

LocalDateTime toAnyLocalDateTime(time_t seconds)
{
    tm local{};
    if (::localtime_r(&seconds, &local) == nullptr || local.tm_year > INT_MAX - 1900)
        return kZeroDate;
    return LocalDateTime{local.tm_year + 1900,
                         local.tm_mon + 1,
                         local.tm_mday,
                         local.tm_hour,
                         local.tm_min,
                         local.tm_sec,
                         static_cast<int>(local.tm_gmtoff)};
}

LocalDateTime toLocalDateTime(const timespec& stamp)
{
    // Years past the range of int never reach the check: localtime_r refuses them.
    const LocalDateTime local = toAnyLocalDateTime(stamp.tv_sec);
    if (local.year < 100 || local.year > 9999)
        return kZeroDate;
    return local;
}

LocalDateTime LocalTimeConverter::convert(const timespec& stamp)
{
    const time_t seconds = stamp.tv_sec;
    if (seconds >= m_dayStart && seconds < m_dayEnd) {
        const auto into = static_cast<int>(seconds - m_dayStart);
        LocalDateTime local = m_day;
        local.hour = into / 3600;
        local.minute = into / 60 % 60;
        local.second = into % 60;
        return local; // the day's offset holds for all of it
    }
    const LocalDateTime local = toLocalDateTime(stamp);
    if (local == kZeroDate)
        return local;
    // The day is kept only when it runs 00:00:00 to 23:59:59 on one UTC offset. (Two clock
    // changes in one day that cancel each other out would pass unnoticed.)
    constexpr int kDay = 86400;
    const time_t start = seconds - (local.hour * 3600 + local.minute * 60 + local.second);
    tm first{};
    tm last{};
    const time_t end = start + kDay;
    const time_t lastSecond = end - 1;
    if (::localtime_r(&start, &first) != nullptr && ::localtime_r(&lastSecond, &last) != nullptr
        && first.tm_gmtoff == last.tm_gmtoff && first.tm_mday == local.day && first.tm_hour == 0
        && first.tm_min == 0 && first.tm_sec == 0 && last.tm_mday == local.day && last.tm_hour == 23
        && last.tm_min == 59 && last.tm_sec == 59) {
        m_dayStart = start;
        m_dayEnd = end;
        m_day = local;
    } else {
        m_dayStart = m_dayEnd = 0;
    }
    return local;
}

long long daysFromCivil(long long year, unsigned month, unsigned day)
{
    // After H. Hinnant's days_from_civil: years counted from March, in eras of 400 years.
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const auto yoe = static_cast<unsigned>(year - era * 400);
    const unsigned doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

namespace {
constexpr qint64 kBillion = 1000000000;
}

qint64 instantKey(const timespec& stamp)
{
    constexpr qint64 kMostSeconds = std::numeric_limits<qint64>::max() / kBillion - 1;
    const qint64 seconds = std::clamp<qint64>(stamp.tv_sec, -kMostSeconds, kMostSeconds);
    return seconds * kBillion + stamp.tv_nsec;
}

timespec instantOfKey(qint64 key)
{
    timespec stamp{};
    stamp.tv_sec = static_cast<time_t>(key / kBillion);
    stamp.tv_nsec = static_cast<long>(key % kBillion);
    if (stamp.tv_nsec < 0) {
        stamp.tv_sec -= 1;
        stamp.tv_nsec += kBillion;
    }
    return stamp;
}

CivilDate civilFromDays(long long days)
{
    // After H. Hinnant's civil_from_days, the inverse of daysFromCivil.
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const auto doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned day = doy - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<long long>(yoe) + era * 400 + (month <= 2), month, day};
}

double serialDate(const LocalDateTime& local)
{
    static const long long kZeroDateDays = daysFromCivil(1899, 12, 30);
    const long long days = daysFromCivil(local.year, static_cast<unsigned>(local.month),
                                         static_cast<unsigned>(local.day))
        - kZeroDateDays;
    const double timeOfDay = (local.hour * 3600 + local.minute * 60 + local.second) / 86400.0;
    // Before the zero date the whole value is negative and the time of day counts away from
    // zero too: -1.25 is 29 December 1899, 06:00.
    return days < 0 ? static_cast<double>(days) - timeOfDay : static_cast<double>(days) + timeOfDay;
}

} // namespace quillfen
