#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QLocale>
#include <QString>

#include <array>
#include <ctime>
#include <optional>
#include <vector>

namespace quillfen {

// Reads a file's three time stamps from its directory entry (never opening the file) and
// turns them into local date texts.

struct FileTimes {
    timespec modified{};
    timespec accessed{};
    std::optional<timespec> created; // only where the file system keeps a birth time
};

// The three stamps, in their column order.
enum class StampKind { Modified, Created, Accessed };

inline std::optional<timespec> stampOf(const FileTimes& times, StampKind kind)
{
    switch (kind) {
    case StampKind::Modified:
        return times.modified;
    case StampKind::Created:
        return times.created;
    case StampKind::Accessed:
        return times.accessed;
    }
    return std::nullopt;
}

// One lookup of the entry itself (a link is not followed). No value when the path is empty,
// ends in a separator or cannot be found; never an error.
std::optional<FileTimes> readFileTimes(const QString& path);

// The same lookup for a long run of paths. Consecutive paths mostly share their folder, so
// the reader keeps the last folder open and looks each name up in it: one path component for
// the kernel to resolve instead of all of them.
class FileTimesReader {
public:
    FileTimesReader() = default;
    ~FileTimesReader();
    FileTimesReader(const FileTimesReader&) = delete;
    FileTimesReader& operator=(const FileTimesReader&) = delete;

    std::optional<FileTimes> read(const QString& path);
    std::optional<FileTimes> readUtf8(QByteArrayView utf8Path);

private:
    QByteArray m_path;   // the path being read, reused
    QByteArray m_folder; // the folder m_folderFd is open on
    int m_folderFd = -1;
};

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

// The same as a date value: days since 30 December 1899 00:00 local time, the fraction being
// the time of day; 0 outside the valid range.
double FileTimeToLocalDate(const timespec& stamp);

// Renders local times as the locale's short date with a four-digit year, one space and the
// locale's long time without a time-zone part. Midnight gives the date alone, the zero date
// the time alone. Build one per run: it reads the formats once.
//
// The formats are compiled once into fields and literals, since going through QLocale for
// every stamp cost more than reading the stamp; a format with a field this does not know is
// left to QLocale. The date part of the last stamp is kept, as neighbouring files often share
// a day.
class DateTextFormat {
public:
    explicit DateTextFormat(const QLocale& locale = QLocale());

    QString text(const LocalDateTime& local) const;
    QString text(const timespec& stamp) const { return text(toLocalDateTime(stamp)); }
    // The same text appended as UTF-8, the form the lists store.
    void appendUtf8(const LocalDateTime& local, QByteArray& out) const;

    // One field of a compiled format, or a literal.
    struct Token {
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

private:
    // Writes the fields at `out`, which has room for mostBytes(tokens); returns the end.
    char* render(const std::vector<Token>& tokens, const LocalDateTime& local, char* out) const;
    qsizetype mostBytes(const std::vector<Token>& tokens) const;

    QLocale m_locale;
    QString m_dateFormat;
    QString m_timeFormat;
    // Empty when the format could not be compiled.
    std::vector<Token> m_dateTokens;
    std::vector<Token> m_timeTokens;
    bool m_compiled = false;
    // Names read once from the locale, as UTF-8.
    QByteArrayList m_dayNames, m_longDayNames, m_monthNames, m_longMonthNames;
    std::array<QByteArray, 6> m_amPm;
    qsizetype m_mostDateBytes = 0;
    qsizetype m_mostBytes = 0; // date, space and time
    mutable LocalDateTime m_lastDay{0, 0, 0};
    mutable QByteArray m_lastDate;
};

// Compiles a QLocale date or time format; false when it holds a field the compiled form
// does not render.
bool compileDateFormat(const QString& format, std::vector<DateTextFormat::Token>& tokens);

// A short date format with its year widened to four digits ("M/d/yy" gives "M/d/yyyy").
QString withFourDigitYear(const QString& format);
// A time format without its time-zone field ("h:mm:ss AP t" gives "h:mm:ss AP").
QString withoutTimeZone(const QString& format);

// One lookup each; no value when the entry cannot be found or (created) has no birth time.
std::optional<QString> GetFileDateModified(const QString& path,
                                           const DateTextFormat& format = DateTextFormat());
std::optional<QString> GetFileDateCreated(const QString& path,
                                          const DateTextFormat& format = DateTextFormat());
std::optional<QString> GetFileDateAccessed(const QString& path,
                                           const DateTextFormat& format = DateTextFormat());

} // namespace quillfen
