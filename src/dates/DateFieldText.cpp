#include "dates/DateFieldText.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <vector>

namespace quillfen {

namespace {

constexpr qint64 kNanosecondsPerMillisecond = 1'000'000;
constexpr int kSecondsPerMinute = 60;
// A two-digit year is read within this many years ahead of today's.
constexpr int kTwoDigitYearsAhead = 20;

enum class Precision { Day, Minute, Second };

struct FieldFormat {
    QString format;
    Precision precision;
};

qint64 instantOf(const QDateTime& local)
{
    return local.toMSecsSinceEpoch() * kNanosecondsPerMillisecond;
}

QDateTime localOf(qint64 instant)
{
    // Floor to the millisecond, also before 1970.
    qint64 ms = instant / kNanosecondsPerMillisecond;
    if (instant % kNanosecondsPerMillisecond < 0)
        --ms;
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::LocalTime);
}

bool hasTwoDigitYear(const QString& format)
{
    return format.contains(QLatin1String("yy")) && !format.contains(QLatin1String("yyyy"));
}

// The locale's short time with seconds: short formats leave them out.
QString timeWithSeconds(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1Char('s'))) {
        const qsizetype minutes = format.indexOf(QLatin1String("mm"));
        if (minutes >= 0)
            format.insert(minutes + 2, QLatin1String(":ss"));
    }
    return format;
}

std::vector<FieldFormat> fieldFormats(const QLocale& locale)
{
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    const QString fullYear = fullYearDateFormat(locale);
    const QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    const QString secondsTime = timeWithSeconds(locale);
    std::vector<FieldFormat> formats = {
        {QStringLiteral("yyyy-MM-dd"), Precision::Day},
        {QStringLiteral("yyyy-MM-dd HH:mm"), Precision::Minute},
        {QStringLiteral("yyyy-MM-ddTHH:mm"), Precision::Minute},
        {QStringLiteral("yyyy-MM-dd HH:mm:ss"), Precision::Second},
        {QStringLiteral("yyyy-MM-ddTHH:mm:ss"), Precision::Second},
    };
    for (const QString& date : {fullYear, shortDate}) {
        formats.push_back({date, Precision::Day});
        formats.push_back({date + QLatin1Char(' ') + shortTime, Precision::Minute});
        formats.push_back({date + QLatin1String(", ") + shortTime, Precision::Minute});
        formats.push_back({date + QLatin1Char(' ') + secondsTime, Precision::Second});
        formats.push_back({date + QLatin1String(", ") + secondsTime, Precision::Second});
    }
    return formats;
}

QDate nearestCentury(QDate date)
{
    const int thisYear = QDate::currentDate().year();
    int year = date.year();
    while (year > thisYear + kTwoDigitYearsAhead)
        year -= 100;
    while (year <= thisYear + kTwoDigitYearsAhead - 100)
        year += 100;
    return QDate(year, date.month(), date.day());
}

InstantSpan spanOf(const QDateTime& start, Precision precision)
{
    switch (precision) {
    case Precision::Day:
        // From midnight to midnight, so a day with a clock change has its 23 or 25 hours.
        return {instantOf(start), instantOf(start.date().addDays(1).startOfDay())};
    case Precision::Minute:
        return {instantOf(start), instantOf(start.addSecs(kSecondsPerMinute))};
    case Precision::Second:
        break;
    }
    return {instantOf(start), instantOf(start.addSecs(1))};
}

} // namespace

QString fullYearDateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (hasTwoDigitYear(format))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

std::optional<InstantSpan> parseDateField(QStringView text, const QLocale& locale)
{
    const QString typed = text.trimmed().toString();
    if (typed.isEmpty())
        return std::nullopt;
    for (const auto& [format, precision] : fieldFormats(locale)) {
        QDateTime start;
        if (precision == Precision::Day) {
            QDate date = locale.toDate(typed, format);
            if (date.isValid() && hasTwoDigitYear(format))
                date = nearestCentury(date);
            if (date.isValid())
                start = date.startOfDay();
        } else {
            start = locale.toDateTime(typed, format);
            if (start.isValid() && hasTwoDigitYear(format))
                start = QDateTime(nearestCentury(start.date()), start.time());
        }
        if (start.isValid())
            return spanOf(start, precision);
    }
    return std::nullopt;
}

DateFieldTexts dateFieldTexts(qint64 first, qint64 last, const QLocale& locale)
{
    const QDateTime from = localOf(first);
    const QDateTime to = localOf(last);
    const QDateTime after = localOf(last + 1);
    const QString date = fullYearDateFormat(locale);
    QString format;
    if (from == from.date().startOfDay() && after == after.date().startOfDay())
        format = date;
    else if (from.time().second() == 0 && after.time().second() == 0 && after.time().msec() == 0)
        format = date + QLatin1Char(' ') + locale.timeFormat(QLocale::ShortFormat);
    else
        format = date + QLatin1Char(' ') + timeWithSeconds(locale);
    return {locale.toString(from, format), locale.toString(to, format)};
}

} // namespace quillfen
