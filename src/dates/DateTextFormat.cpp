#include "dates/DateTextFormat.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <cstring>

namespace quillfen {

DateTextFormat::DateTextFormat(const QLocale& locale)
    : m_locale(locale)
    , m_dateFormat(withPlainSpaces(withFourDigitYear(locale.dateFormat(QLocale::ShortFormat))))
    , m_timeFormat(withPlainSpaces(withoutTimeZone(locale.timeFormat(QLocale::LongFormat))))
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

qsizetype DateTextFormat::mostBytes(const Tokens& tokens) const
{
    constexpr qsizetype kNumber = 4; // years stop at 9999, every other field at two digits
    qsizetype most = 0;
    for (const DateFormatToken& token : tokens) {
        switch (token.kind) {
        case DateFormatToken::Literal:
            most += token.literalUtf8.size();
            break;
        case DateFormatToken::DayName:
            most += longest(m_dayNames);
            break;
        case DateFormatToken::DayLongName:
            most += longest(m_longDayNames);
            break;
        case DateFormatToken::MonthName:
            most += longest(m_monthNames);
            break;
        case DateFormatToken::MonthLongName:
            most += longest(m_longMonthNames);
            break;
        case DateFormatToken::AmPmUpper:
        case DateFormatToken::AmPmLower:
        case DateFormatToken::AmPm:
            most += longest(QByteArrayList(m_amPm.begin(), m_amPm.end()));
            break;
        default:
            most += kNumber;
            break;
        }
    }
    return most;
}

char* DateTextFormat::render(const Tokens& tokens, const LocalDateTime& local, char* out) const
{
    const int hour12 = local.hour % 12 == 0 ? 12 : local.hour % 12;
    const int afternoon = local.hour < 12 ? 0 : 1;
    for (const DateFormatToken& token : tokens) {
        switch (token.kind) {
        case DateFormatToken::Literal:
            out = writeBytes(out, token.literalUtf8);
            break;
        case DateFormatToken::Day:
        case DateFormatToken::Day2:
            out = writeNumber(out, local.day, token.kind == DateFormatToken::Day2 ? 2 : 1);
            break;
        case DateFormatToken::DayName:
        case DateFormatToken::DayLongName: {
            const int weekday = QDate(local.year, local.month, local.day).dayOfWeek();
            out = writeBytes(out,
                             (token.kind == DateFormatToken::DayName ? m_dayNames : m_longDayNames)
                                 .at(weekday - 1));
            break;
        }
        case DateFormatToken::Month:
        case DateFormatToken::Month2:
            out = writeNumber(out, local.month, token.kind == DateFormatToken::Month2 ? 2 : 1);
            break;
        case DateFormatToken::MonthName:
            out = writeBytes(out, m_monthNames.at(local.month - 1));
            break;
        case DateFormatToken::MonthLongName:
            out = writeBytes(out, m_longMonthNames.at(local.month - 1));
            break;
        case DateFormatToken::Year:
            out = writeNumber(out, local.year, 4);
            break;
        case DateFormatToken::Hour12:
        case DateFormatToken::Hour12_2:
            out = writeNumber(out, hour12, token.kind == DateFormatToken::Hour12_2 ? 2 : 1);
            break;
        case DateFormatToken::Hour24:
        case DateFormatToken::Hour24_2:
            out = writeNumber(out, local.hour, token.kind == DateFormatToken::Hour24_2 ? 2 : 1);
            break;
        case DateFormatToken::Minute:
        case DateFormatToken::Minute2:
            out = writeNumber(out, local.minute, token.kind == DateFormatToken::Minute2 ? 2 : 1);
            break;
        case DateFormatToken::Second:
        case DateFormatToken::Second2:
            out = writeNumber(out, local.second, token.kind == DateFormatToken::Second2 ? 2 : 1);
            break;
        case DateFormatToken::AmPmUpper:
            out = writeBytes(out, m_amPm[2 + afternoon]);
            break;
        case DateFormatToken::AmPmLower:
            out = writeBytes(out, m_amPm[4 + afternoon]);
            break;
        case DateFormatToken::AmPm:
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

QStringList widestDateCandidates(const DateTextFormat& format)
{
    QStringList texts;
    for (int month = 1; month <= 12; ++month) {
        for (const int hour : {10, 22}) {
            // Wednesday the 28th: day and month names of every length come up across the year.
            texts.append(format.text(LocalDateTime{2088, month, 28, hour, 58, 58}));
        }
    }
    return texts;
}

} // namespace quillfen
