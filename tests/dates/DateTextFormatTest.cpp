// The test programs run with TZ=Europe/Berlin and an en_US locale (see TestMain.cpp).

#include "dates/DateTextFormat.h"
#include "support/Stamps.h"

#include <QDate>
#include <QTime>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

TEST(DateText, SummerAndWinterStampsShowTheirOwnWallClockTime)
{
    const DateTextFormat format;
    EXPECT_EQ(format.text(at(kSummer)), "6/30/2021 4:30:15 PM");
    EXPECT_EQ(format.text(at(kWinter)), "1/14/2021 5:00:05 PM");
}

TEST(DateText, MidnightGivesTheDateAloneAndTheZeroDateTheTimeAlone)
{
    const DateTextFormat format;
    EXPECT_EQ(format.text(at(kBerlinMidnight)), "8/31/2021");
    EXPECT_EQ(format.text(kZeroDate), "12:00:00 AM");
    EXPECT_EQ(format.text(LocalDateTime{1899, 12, 30, 13, 5, 0}), "1:05:00 PM");
}

TEST(DateText, FractionsOfASecondAreCutOff)
{
    const DateTextFormat format;
    EXPECT_EQ(format.text(at(kSummer, 999999999)), "6/30/2021 4:30:15 PM");
}

TEST(DateText, EveryLocaleRendersWhatQLocaleRendersWithoutTheZone)
{
    const auto plain = [](QString format) {
        return format.replace(QChar(0x202F), u' ').replace(QChar(0x00A0), u' ');
    };
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 100);
    for (const QLocale& locale : locales) {
        const std::string name = locale.name().toStdString();
        const DateTextFormat format(locale);
        const QString dateFormat =
            plain(withFourDigitYear(locale.dateFormat(QLocale::ShortFormat)));
        const QString timeFormat = plain(withoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
        for (const LocalDateTime& local :
             {LocalDateTime{2021, 6, 30, 16, 30, 15}, LocalDateTime{1999, 1, 2, 0, 0, 1},
              LocalDateTime{2024, 12, 31, 12, 5, 9}, LocalDateTime{100, 3, 4, 23, 59, 59},
              LocalDateTime{9999, 11, 7, 11, 0, 0}, LocalDateTime{2026, 2, 28, 0, 0, 0}}) {
            const QDate date(local.year, local.month, local.day);
            const QTime time(local.hour, local.minute, local.second);
            const QString expected = time == QTime(0, 0)
                ? locale.toString(date, dateFormat)
                : locale.toString(date, dateFormat) + u' ' + locale.toString(time, timeFormat);
            EXPECT_EQ(format.text(local), expected) << name;
            QByteArray utf8("before:");
            format.appendUtf8(local, utf8);
            EXPECT_EQ(utf8, "before:" + expected.toUtf8()) << name;
            // Nothing of the zone is left: no empty brackets, no separator at either end.
            const QString timeText = plain(locale.toString(time, timeFormat));
            for (const char* remnant : {"()", "[]", "( )", "[ ]"})
                EXPECT_FALSE(timeText.contains(QLatin1String(remnant))) << name;
            EXPECT_EQ(timeText, timeText.trimmed()) << name;
            EXPECT_FALSE(timeText.endsWith(u',') || timeText.startsWith(u',')) << name;
        }
    }
}
