#include "dates/SpreadsheetDates.h"

#include "dates/DateFormatCompiler.h"
#include "dates/LocalTime.h"

#include <vector>

namespace quillfen {

namespace {

// The spreadsheet's own codes for the fields; "m" is minutes after an hour or before seconds,
// which is where the locales put them.
std::optional<QString> numberFormat(const std::vector<DateFormatToken>& tokens)
{
    using Token = DateFormatToken;
    QString format;
    for (const Token& token : tokens) {
        switch (token.kind) {
        case Token::Literal: {
            // Quoted, so no character of it is taken for a code; a quote is written apart.
            QString quoted = token.literal;
            quoted.replace(u'"', QStringLiteral("\"\\\"\""));
            format += u'"' + quoted + u'"';
            break;
        }
        case Token::Day:
            format += u'd';
            break;
        case Token::Day2:
            format += QStringLiteral("dd");
            break;
        case Token::DayName:
            format += QStringLiteral("ddd");
            break;
        case Token::DayLongName:
            format += QStringLiteral("dddd");
            break;
        case Token::Month:
        case Token::Minute:
            format += u'm';
            break;
        case Token::Month2:
        case Token::Minute2:
            format += QStringLiteral("mm");
            break;
        case Token::MonthName:
            format += QStringLiteral("mmm");
            break;
        case Token::MonthLongName:
            format += QStringLiteral("mmmm");
            break;
        case Token::Year:
            format += QStringLiteral("yyyy");
            break;
        case Token::Hour12:
        case Token::Hour24:
            format += u'h';
            break;
        case Token::Hour12_2:
        case Token::Hour24_2:
            format += QStringLiteral("hh");
            break;
        case Token::Second:
            format += u's';
            break;
        case Token::Second2:
            format += QStringLiteral("ss");
            break;
        case Token::AmPmUpper:
        case Token::AmPmLower:
        case Token::AmPm:
            format += QStringLiteral("AM/PM");
            break;
        }
    }
    return format;
}

// 1 March 1900: the first day spreadsheets count the same (they take 1900 for a leap year).
constexpr double kFirstDateValue = 61;

} // namespace

std::optional<SpreadsheetDateFormats> spreadsheetDateFormats(const QLocale& locale)
{
    if (locale.zeroDigit() != QLatin1String("0"))
        return std::nullopt;
    std::vector<DateFormatToken> date;
    std::vector<DateFormatToken> time;
    if (!compileDateFormat(
            withPlainSpaces(withFourDigitYear(locale.dateFormat(QLocale::ShortFormat))), date)
        || !compileDateFormat(
            withPlainSpaces(withoutTimeZone(locale.timeFormat(QLocale::LongFormat))), time))
        return std::nullopt;
    const std::optional<QString> dateOnly = numberFormat(date);
    const std::optional<QString> timeOfDay = numberFormat(time);
    if (!dateOnly || !timeOfDay)
        return std::nullopt;
    return SpreadsheetDateFormats{*dateOnly + QStringLiteral("\" \"") + *timeOfDay, *dateOnly};
}

std::optional<SpreadsheetDate> spreadsheetDateOf(const timespec& stamp)
{
    const LocalDateTime local = toLocalDateTime(stamp);
    const double value = serialDate(local);
    if (local == kZeroDate || value < kFirstDateValue)
        return std::nullopt;
    return SpreadsheetDate{value, local.hour == 0 && local.minute == 0 && local.second == 0};
}

} // namespace quillfen
