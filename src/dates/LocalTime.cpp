#include "dates/LocalTime.h"

namespace quillfen {

LocalDateTime toLocalDateTime(const timespec& stamp)
{
    tm local{};
    const time_t seconds = stamp.tv_sec;
    if (::localtime_r(&seconds, &local) == nullptr)
        return kZeroDate;
    const long long year = static_cast<long long>(local.tm_year) + 1900;
    if (year < 100 || year > 9999)
        return kZeroDate;
    return LocalDateTime{static_cast<int>(year), local.tm_mon + 1, local.tm_mday,
                         local.tm_hour,          local.tm_min,     local.tm_sec};
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
        return local;
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
