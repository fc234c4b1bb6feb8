#include "extract/LastMod.h"

#include "filelist/PathUtils.h"

#include <QDate>
#include <QFile>
#include <QTime>

#include <algorithm>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

std::optional<FileTimes> statEntry(int folderFd, const char* name)
{
    struct statx entry {};
    if (::statx(folderFd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT,
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

} // namespace

std::optional<FileTimes> readFileTimes(const QString& path)
{
    if (path.isEmpty() || path.endsWith(kSeparator))
        return std::nullopt;
    return statEntry(AT_FDCWD, QFile::encodeName(path).constData());
}

FileTimesReader::~FileTimesReader()
{
    if (m_folderFd >= 0)
        ::close(m_folderFd);
}

std::optional<FileTimes> FileTimesReader::read(const QString& path)
{
    return readUtf8(QFile::encodeName(path));
}

std::optional<FileTimes> FileTimesReader::readUtf8(QByteArrayView utf8Path)
{
    if (utf8Path.isEmpty() || utf8Path.endsWith('/'))
        return std::nullopt;
    m_path.resize(0); // keeps its buffer from row to row
    m_path.append(utf8Path.data(), utf8Path.size());
    const qsizetype slash = m_path.lastIndexOf('/');
    if (slash <= 0)
        return statEntry(AT_FDCWD, m_path.constData()); // relative, or directly under the root
    const QByteArrayView folder(m_path.constData(), slash);
    if (m_folderFd < 0 || folder != m_folder) {
        if (m_folderFd >= 0)
            ::close(m_folderFd);
        m_folder = folder.toByteArray();
        m_folderFd = ::open(m_folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    if (m_folderFd >= 0) {
        if (auto times = statEntry(m_folderFd, m_path.constData() + slash + 1))
            return times;
    }
    // The folder may have been replaced since it was opened: the full lookup decides.
    return statEntry(AT_FDCWD, m_path.constData());
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

bool compileDateFormat(const QString& format, std::vector<DateTextFormat::Token>& tokens)
{
    using Token = DateTextFormat::Token;
    tokens.clear();
    const auto literal = [&](const QString& text) {
        if (!tokens.empty() && tokens.back().kind == Token::Literal)
            tokens.back().literal += text;
        else
            tokens.push_back({Token::Literal, text, {}});
    };
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            // Quoted text; two quotes stand for one.
            qsizetype end = i + 1;
            QString text;
            while (end < format.size()) {
                if (format.at(end) == u'\'') {
                    if (end + 1 < format.size() && format.at(end + 1) == u'\'') {
                        text += u'\'';
                        end += 2;
                        continue;
                    }
                    break;
                }
                text += format.at(end++);
            }
            literal(end == i + 1 && end < format.size() ? QStringLiteral("'") : text);
            i = end + 1;
            continue;
        }
        qsizetype repeat = 1;
        while (i + repeat < format.size() && format.at(i + repeat) == c)
            ++repeat;
        const auto pick = [&](int most, std::initializer_list<Token::Kind> kinds) {
            const int n = static_cast<int>(std::min<qsizetype>(repeat, most));
            tokens.push_back({*(kinds.begin() + (n - 1)), {}, {}});
            i += n;
        };
        switch (c.unicode()) {
        case u'd':
            pick(4, {Token::Day, Token::Day2, Token::DayName, Token::DayLongName});
            break;
        case u'M':
            pick(4, {Token::Month, Token::Month2, Token::MonthName, Token::MonthLongName});
            break;
        case u'y':
            if (repeat < 4)
                return false; // two-digit years are widened before compiling
            tokens.push_back({Token::Year, {}, {}});
            i += repeat;
            break;
        case u'h':
            pick(2, {Token::Hour12, Token::Hour12_2});
            break;
        case u'H':
            pick(2, {Token::Hour24, Token::Hour24_2});
            break;
        case u'm':
            pick(2, {Token::Minute, Token::Minute2});
            break;
        case u's':
            pick(2, {Token::Second, Token::Second2});
            break;
        case u'a':
        case u'A': {
            const bool pair =
                i + 1 < format.size() && (format.at(i + 1) == u'p' || format.at(i + 1) == u'P');
            const QChar second = pair ? format.at(i + 1) : c;
            Token::Kind kind = Token::AmPm;
            if (c == u'A' && (second == u'P' || !pair))
                kind = Token::AmPmUpper;
            else if (c == u'a' && (second == u'p' || !pair))
                kind = Token::AmPmLower;
            tokens.push_back({kind, {}, {}});
            i += pair ? 2 : 1;
            break;
        }
        case u'z':
        case u't':
        case u'g':
        case u'x':
            return false;
        default:
            literal(QString(repeat, c));
            i += repeat;
            break;
        }
    }
    for (Token& t : tokens)
        t.literalUtf8 = t.literal.toUtf8();
    // Without an AM/PM field, "h" is the hour of the day.
    const bool twelveHour = std::any_of(tokens.begin(), tokens.end(), [](const Token& t) {
        return t.kind == Token::AmPmUpper || t.kind == Token::AmPmLower || t.kind == Token::AmPm;
    });
    if (!twelveHour) {
        for (Token& t : tokens) {
            if (t.kind == Token::Hour12)
                t.kind = Token::Hour24;
            else if (t.kind == Token::Hour12_2)
                t.kind = Token::Hour24_2;
        }
    }
    return true;
}

DateTextFormat::DateTextFormat(const QLocale& locale)
    : m_locale(locale)
    , m_dateFormat(plainSpaces(withFourDigitYear(locale.dateFormat(QLocale::ShortFormat))))
    , m_timeFormat(plainSpaces(withoutTimeZone(locale.timeFormat(QLocale::LongFormat))))
{
    // Compiled rendering writes Western digits; other digit sets are left to QLocale.
    m_compiled = locale.zeroDigit() == QLatin1String("0")
        && compileDateFormat(m_dateFormat, m_dateTokens)
        && compileDateFormat(m_timeFormat, m_timeTokens);
    for (int i = 1; i <= 7; ++i) {
        m_dayNames.append(locale.dayName(i, QLocale::ShortFormat).toUtf8());
        m_longDayNames.append(locale.dayName(i, QLocale::LongFormat).toUtf8());
    }
    for (int i = 1; i <= 12; ++i) {
        m_monthNames.append(locale.monthName(i, QLocale::ShortFormat).toUtf8());
        m_longMonthNames.append(locale.monthName(i, QLocale::LongFormat).toUtf8());
    }
    // Morning and afternoon texts as given, upper-cased and lower-cased.
    const QString am = locale.amText();
    const QString pm = locale.pmText();
    m_amPm = {am.toUtf8(),           pm.toUtf8(),           am.toUpper().toUtf8(),
              pm.toUpper().toUtf8(), am.toLower().toUtf8(), pm.toLower().toUtf8()};
    m_mostDateBytes = mostBytes(m_dateTokens);
    m_mostBytes = m_mostDateBytes + 1 + mostBytes(m_timeTokens);
}

namespace {

char* writeNumber(char* out, int value, int width)
{
    char digits[12];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int pad = n; pad < width; ++pad)
        *out++ = '0';
    while (n > 0)
        *out++ = digits[--n];
    return out;
}

char* writeBytes(char* out, const QByteArray& bytes)
{
    std::memcpy(out, bytes.constData(), static_cast<size_t>(bytes.size()));
    return out + bytes.size();
}

qsizetype longest(const QByteArrayList& texts)
{
    qsizetype most = 0;
    for (const QByteArray& text : texts)
        most = std::max(most, text.size());
    return most;
}

} // namespace

qsizetype DateTextFormat::mostBytes(const std::vector<Token>& tokens) const
{
    constexpr qsizetype kNumber = 4; // years stop at 9999, every other field at two digits
    qsizetype most = 0;
    for (const Token& token : tokens) {
        switch (token.kind) {
        case Token::Literal:
            most += token.literalUtf8.size();
            break;
        case Token::DayName:
            most += longest(m_dayNames);
            break;
        case Token::DayLongName:
            most += longest(m_longDayNames);
            break;
        case Token::MonthName:
            most += longest(m_monthNames);
            break;
        case Token::MonthLongName:
            most += longest(m_longMonthNames);
            break;
        case Token::AmPmUpper:
        case Token::AmPmLower:
        case Token::AmPm:
            most += longest(QByteArrayList(m_amPm.begin(), m_amPm.end()));
            break;
        default:
            most += kNumber;
            break;
        }
    }
    return most;
}

char* DateTextFormat::render(const std::vector<Token>& tokens, const LocalDateTime& local,
                             char* out) const
{
    const int hour12 = local.hour % 12 == 0 ? 12 : local.hour % 12;
    const int afternoon = local.hour < 12 ? 0 : 1;
    for (const Token& token : tokens) {
        switch (token.kind) {
        case Token::Literal:
            out = writeBytes(out, token.literalUtf8);
            break;
        case Token::Day:
        case Token::Day2:
            out = writeNumber(out, local.day, token.kind == Token::Day2 ? 2 : 1);
            break;
        case Token::DayName:
        case Token::DayLongName: {
            const int weekday = QDate(local.year, local.month, local.day).dayOfWeek();
            out = writeBytes(
                out, (token.kind == Token::DayName ? m_dayNames : m_longDayNames).at(weekday - 1));
            break;
        }
        case Token::Month:
        case Token::Month2:
            out = writeNumber(out, local.month, token.kind == Token::Month2 ? 2 : 1);
            break;
        case Token::MonthName:
            out = writeBytes(out, m_monthNames.at(local.month - 1));
            break;
        case Token::MonthLongName:
            out = writeBytes(out, m_longMonthNames.at(local.month - 1));
            break;
        case Token::Year:
            out = writeNumber(out, local.year, 4);
            break;
        case Token::Hour12:
        case Token::Hour12_2:
            out = writeNumber(out, hour12, token.kind == Token::Hour12_2 ? 2 : 1);
            break;
        case Token::Hour24:
        case Token::Hour24_2:
            out = writeNumber(out, local.hour, token.kind == Token::Hour24_2 ? 2 : 1);
            break;
        case Token::Minute:
        case Token::Minute2:
            out = writeNumber(out, local.minute, token.kind == Token::Minute2 ? 2 : 1);
            break;
        case Token::Second:
        case Token::Second2:
            out = writeNumber(out, local.second, token.kind == Token::Second2 ? 2 : 1);
            break;
        case Token::AmPmUpper:
            out = writeBytes(out, m_amPm[2 + afternoon]);
            break;
        case Token::AmPmLower:
            out = writeBytes(out, m_amPm[4 + afternoon]);
            break;
        case Token::AmPm:
            out = writeBytes(out, m_amPm[afternoon]);
            break;
        }
    }
    return out;
}

void DateTextFormat::appendUtf8(const LocalDateTime& local, QByteArray& out) const
{
    const bool zeroDate = local.year == 1899 && local.month == 12 && local.day == 30;
    const bool midnight = local.hour == 0 && local.minute == 0 && local.second == 0;
    // The compiled rendering has room for four-digit years and two-digit fields only.
    const bool fits = local.year >= 0 && local.year <= 9999 && local.month >= 1 && local.month <= 12
        && local.day >= 1 && local.day <= 31 && local.hour >= 0 && local.hour <= 23
        && local.minute >= 0 && local.minute <= 59 && local.second >= 0 && local.second <= 60;
    if (!m_compiled || !fits) {
        // The zero date shows the time alone, midnight the date alone.
        if (!zeroDate)
            out.append(m_locale.toString(QDate(local.year, local.month, local.day), m_dateFormat)
                           .toUtf8());
        if (zeroDate || !midnight) {
            if (!zeroDate)
                out.append(' ');
            out.append(
                m_locale.toString(QTime(local.hour, local.minute, local.second), m_timeFormat)
                    .toUtf8());
        }
        return;
    }
    // Rendered straight into the buffer, sized for the longest text the formats can give.
    const qsizetype start = out.size();
    out.resize(start + m_mostBytes);
    char* const begin = out.data() + start;
    char* end = begin;
    if (!zeroDate) {
        if (local.year != m_lastDay.year || local.month != m_lastDay.month
            || local.day != m_lastDay.day) {
            m_lastDate.resize(m_mostDateBytes);
            m_lastDate.truncate(render(m_dateTokens, local, m_lastDate.data()) - m_lastDate.data());
            m_lastDay = local;
        }
        end = writeBytes(end, m_lastDate);
    }
    if (zeroDate || !midnight) {
        if (!zeroDate)
            *end++ = ' ';
        end = render(m_timeTokens, local, end);
    }
    out.truncate(start + (end - begin));
}

QString DateTextFormat::text(const LocalDateTime& local) const
{
    QByteArray utf8;
    appendUtf8(local, utf8);
    return QString::fromUtf8(utf8);
}

namespace {

std::optional<QString> dateText(const QString& path, StampKind kind, const DateTextFormat& format)
{
    const auto times = readFileTimes(path);
    if (!times)
        return std::nullopt;
    const std::optional<timespec> stamp = stampOf(*times, kind);
    if (!stamp)
        return std::nullopt;
    return format.text(*stamp);
}

} // namespace

std::optional<QString> GetFileDateModified(const QString& path, const DateTextFormat& format)
{
    return dateText(path, StampKind::Modified, format);
}

std::optional<QString> GetFileDateCreated(const QString& path, const DateTextFormat& format)
{
    return dateText(path, StampKind::Created, format);
}

std::optional<QString> GetFileDateAccessed(const QString& path, const DateTextFormat& format)
{
    return dateText(path, StampKind::Accessed, format);
}

} // namespace quillfen
