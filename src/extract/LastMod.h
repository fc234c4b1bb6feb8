#pragma once

#include <QLocale>
#include <QString>

#include <ctime>
#include <optional>

namespace quillfen {

// Reads a file's three time stamps from its directory entry (never opening the file) and
// turns them into local date texts.

struct FileTimes {
    timespec modified{};
    timespec accessed{};
    std::optional<timespec> created; // only where the file system keeps a birth time
};

// One lookup of the entry itself (a link is not followed). No value when the path is empty,
// ends in a separator or cannot be found; never an error.
std::optional<FileTimes> readFileTimes(const QString& path);

// A local wall-clock time, whole seconds.
struct LocalDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const LocalDateTime&) const = default;
};

// The zero date: 30 December 1899, midnight.
inline constexpr LocalDateTime kZeroDate{};

// A time stamp in local time, with the time-zone rules in force at that instant (so summer
// and winter times both show their own wall-clock time). Fractions of a second are cut off.
// A time stamp outside 1 January 100 to 31 December 9999 gives the zero date.
LocalDateTime toLocalDateTime(const timespec& stamp);

// The same as a date value: days since 30 December 1899 00:00 local time, the fraction being
// the time of day; 0 outside the valid range.
double FileTimeToLocalDate(const timespec& stamp);

// Renders local times as the locale's short date with a four-digit year, one space and the
// locale's long time without a time-zone part. Midnight gives the date alone, the zero date
// the time alone. Build one per run: it reads the formats once.
class DateTextFormat {
public:
    explicit DateTextFormat(const QLocale& locale = QLocale());

    QString text(const LocalDateTime& local) const;
    QString text(const timespec& stamp) const { return text(toLocalDateTime(stamp)); }

private:
    QLocale m_locale;
    QString m_dateFormat;
    QString m_timeFormat;
};

// A short date format with its year widened to four digits ("M/d/yy" gives "M/d/yyyy").
QString withFourDigitYear(const QString& format);
// A time format without its time-zone field ("h:mm:ss AP t" gives "h:mm:ss AP").
QString withoutTimeZone(const QString& format);

// One lookup each; no value when the entry cannot be found or (created) has no birth time.
std::optional<QString> GetFileDateModified(const QString& path, const DateTextFormat& format = DateTextFormat());
std::optional<QString> GetFileDateCreated(const QString& path, const DateTextFormat& format = DateTextFormat());
std::optional<QString> GetFileDateAccessed(const QString& path, const DateTextFormat& format = DateTextFormat());

} // namespace quillfen
