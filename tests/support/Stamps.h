#pragma once

// Time stamps the date tests share, and a way to run code in another time zone. The test
// programs run with TZ=Europe/Berlin and an en_US locale (see TestMain.cpp).

#include "dates/LocalTime.h"
#include "files/FileTimes.h"

#include <QByteArray>
#include <QString>

#include <ctime>
#include <optional>
#include <ostream>

namespace quillfen {
class DateTextFormat;
void PrintTo(const LocalDateTime& local, std::ostream* out);
} // namespace quillfen

namespace quillfen::test {

inline constexpr time_t kSummer = 1625063415; // 2021-06-30 14:30:15 UTC, 16:30:15 in Berlin (CEST)
inline constexpr time_t kWinter = 1610640005; // 2021-01-14 16:00:05 UTC, 17:00:05 in Berlin (CET)
inline constexpr time_t kBerlinMidnight = 1630360800; // 2021-08-31 00:00:00 in Berlin

inline timespec at(time_t seconds, long nanoseconds = 0)
{
    timespec stamp{};
    stamp.tv_sec = seconds;
    stamp.tv_nsec = nanoseconds;
    return stamp;
}

// Runs `body` with the process in another time zone, then back in the tests' own.
template <typename Body> void inTimeZone(const char* zone, Body body)
{
    const QByteArray before = qgetenv("TZ");
    qputenv("TZ", zone);
    ::tzset();
    body();
    qputenv("TZ", before);
    ::tzset();
}

// One stamp of a file as its date text: one lookup of the entry; no value when the entry
// cannot be found or (created) keeps no birth time.
std::optional<QString> fileDateText(const QString& path, StampKind kind,
                                    const DateTextFormat& format);
std::optional<QString> fileDateText(const QString& path, StampKind kind);

} // namespace quillfen::test
