#include "extract/LastMod.h"

#include "filelist/PathUtils.h"

#include <QDate>
#include <QFile>
#include <QTime>

#include <fcntl.h>
#include <sys/stat.h>

namespace quillfen {

namespace {

timespec toTimespec(const statx_timestamp& stamp)
{
    timespec result{};
    result.tv_sec = static_cast<time_t>(stamp.tv_sec);
    result.tv_nsec = static_cast<long>(stamp.tv_nsec);
    return result;
}

// Days from 1 January 1970 to a civil date (proleptic Gregorian), after H. Hinnant.
long long daysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

const long long kZeroDateDays = daysFromCivil(1899, 12, 30);

// Removes the field letters `letter` (any run of them, outside quotes) together with the
// blanks before them.
QString removeField(const QString& format, QChar letter)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == letter) {
            while (!result.isEmpty() && result.back().isSpace())
                result.chop(1);
            while (i + 1 < format.size() && format.at(i + 1) == letter)
                ++i;
            continue;
        }
        result.append(c);
    }
    return result.trimmed();
}

// Some locales put a narrow or non-breaking space before AM/PM; plain spaces keep the text
// readable wherever it is pasted.
QString plainSpaces(QString format)
{
    format.replace(QChar(0x202F), u' ');
    format.replace(QChar(0x00A0), u' ');
    return format;
}

} // namespace

std::optional<FileTimes> readFileTimes(const QString& path)
{
    if (path.isEmpty() || path.endsWith(kSeparator))
        return std::nullopt;
    struct statx entry {};
    const QByteArray name = QFile::encodeName(path);
    if (::statx(AT_FDCWD, name.constData(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT,
                STATX_MTIME | STATX_ATIME | STATX_BTIME, &entry)
        != 0)
        return std::nullopt;
    FileTimes times;
    times.modified = toTimespec(entry.stx_mtime);
    times.accessed = toTimespec(entry.stx_atime);
    if ((entry.stx_mask & STATX_BTIME) != 0)
        times.created = toTimespec(entry.stx_btime);
    return times;
}

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
                         local.tm_hour, local.tm_min, local.tm_sec};
}

double FileTimeToLocalDate(const timespec& stamp)
{
    const LocalDateTime local = toLocalDateTime(stamp);
    if (local == kZeroDate)
        return 0;
    const long long days = daysFromCivil(local.year, static_cast<unsigned>(local.month),
                                         static_cast<unsigned>(local.day))
        - kZeroDateDays;
    const int secondOfDay = local.hour * 3600 + local.minute * 60 + local.second;
    return static_cast<double>(days) + secondOfDay / 86400.0;
}

QString withFourDigitYear(const QString& format)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u'y') {
            qsizetype run = 1;
            while (i + run < format.size() && format.at(i + run) == u'y')
                ++run;
            result.append(QStringLiteral("yyyy"));
            i += run - 1;
            continue;
        }
        result.append(c);
    }
    return result;
}

QString withoutTimeZone(const QString& format)
{
    return removeField(format, u't');
}

DateTextFormat::DateTextFormat(const QLocale& locale)
    : m_locale(locale)
    , m_dateFormat(plainSpaces(withFourDigitYear(locale.dateFormat(QLocale::ShortFormat))))
    , m_timeFormat(plainSpaces(withoutTimeZone(locale.timeFormat(QLocale::LongFormat))))
{
}

QString DateTextFormat::text(const LocalDateTime& local) const
{
    const QTime time(local.hour, local.minute, local.second);
    if (local == kZeroDate || (local.year == 1899 && local.month == 12 && local.day == 30))
        return m_locale.toString(time, m_timeFormat);
    const QString date = m_locale.toString(QDate(local.year, local.month, local.day), m_dateFormat);
    if (local.hour == 0 && local.minute == 0 && local.second == 0)
        return date;
    return date + u' ' + m_locale.toString(time, m_timeFormat);
}

std::optional<QString> GetFileDateModified(const QString& path, const DateTextFormat& format)
{
    const auto times = readFileTimes(path);
    if (!times)
        return std::nullopt;
    return format.text(times->modified);
}

std::optional<QString> GetFileDateCreated(const QString& path, const DateTextFormat& format)
{
    const auto times = readFileTimes(path);
    if (!times || !times->created)
        return std::nullopt;
    return format.text(*times->created);
}

std::optional<QString> GetFileDateAccessed(const QString& path, const DateTextFormat& format)
{
    const auto times = readFileTimes(path);
    if (!times)
        return std::nullopt;
    return format.text(times->accessed);
}

} // namespace quillfen
