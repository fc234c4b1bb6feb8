// The test programs run with TZ=Europe/Berlin and an en_US locale (see TestMain.cpp).

#include "extract/LastMod.h"
#include "support/TempTree.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace quillfen;
using quillfen::test::TempTree;

namespace {

constexpr time_t kSummer = 1625063415;         // 2021-06-30 14:30:15 UTC, 16:30:15 in Berlin (CEST)
constexpr time_t kWinter = 1610640005;         // 2021-01-14 16:00:05 UTC, 17:00:05 in Berlin (CET)
constexpr time_t kBerlinMidnight = 1630360800; // 2021-08-31 00:00:00 in Berlin

timespec at(time_t seconds, long nanoseconds = 0)
{
    timespec stamp{};
    stamp.tv_sec = seconds;
    stamp.tv_nsec = nanoseconds;
    return stamp;
}

} // namespace

namespace quillfen {
void PrintTo(const LocalDateTime& local, std::ostream* out)
{
    *out << local.year << '-' << local.month << '-' << local.day << ' ' << local.hour << ':'
         << local.minute << ':' << local.second;
}
} // namespace quillfen

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

TEST(DateText, StampsOutsideTheDateRangeGiveTheZeroDate)
{
    const DateTextFormat format;
    EXPECT_EQ(toLocalDateTime(at(253402300800)), kZeroDate); // 10000-01-01 UTC
    EXPECT_EQ(format.text(at(253402300800)), "12:00:00 AM");
    EXPECT_EQ(toLocalDateTime(at(-62135596800 - 86400LL * 366 * 2)), kZeroDate); // before year 100
    EXPECT_EQ(toLocalDateTime(at(std::numeric_limits<time_t>::max())), kZeroDate);
    // The epoch itself is an ordinary date.
    EXPECT_EQ(format.text(at(0)), "1/1/1970 1:00:00 AM");
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

TEST(LocalTimeConverter, AgreesWithTheZoneRulesAcrossClockChanges)
{
    // Berlin's clock changes by an hour, Lord Howe's by half an hour; Kiritimati skipped a
    // whole day (30 December 1994).
    struct Zone {
        const char* name;
        time_t from;
    };
    const Zone zones[] = {{"Europe/Berlin", 1616806800 - 2 * 86400},   // 2021-03-27 01:00 UTC
                          {"Europe/Berlin", 1635642000 - 2 * 86400},   // 2021-10-31 01:00 UTC
                          {"Australia/Lord_Howe", 1617465600 - 86400}, // 2021-04-04
                          {"Pacific/Kiritimati", 788918400 - 3 * 86400}};
    for (const Zone& zone : zones) {
        inTimeZone(zone.name, [&] {
            LocalTimeConverter converter;
            // Forward in uneven steps over four days, with stamps of another day in between.
            for (time_t t = zone.from; t < zone.from + 4 * 86400; t += 1597) {
                for (const time_t stamp : {t, t + 5 * 86400 + 17, t}) {
                    ASSERT_EQ(converter.convert(at(stamp)), toLocalDateTime(at(stamp)))
                        << zone.name << " " << stamp;
                }
            }
        });
    }
    LocalTimeConverter converter;
    EXPECT_EQ(converter.convert(at(253402300800)), kZeroDate);
    EXPECT_EQ(converter.convert(at(253402300799)), toLocalDateTime(at(253402300799)));
}

TEST(DateValue, CountsDaysFromTheZeroDate)
{
    EXPECT_DOUBLE_EQ(FileTimeToLocalDate(at(kBerlinMidnight)), 44439.0);
    EXPECT_DOUBLE_EQ(FileTimeToLocalDate(at(kBerlinMidnight + 6 * 3600)), 44439.25);
    EXPECT_EQ(FileTimeToLocalDate(at(253402300800)), 0);
}

TEST(DateFormats, WidenTheYearAndDropTheTimeZone)
{
    EXPECT_EQ(withFourDigitYear("M/d/yy"), "M/d/yyyy");
    EXPECT_EQ(withFourDigitYear("dd.MM.yyyy"), "dd.MM.yyyy");
    EXPECT_EQ(withFourDigitYear("d 'yy' yy"), "d 'yy' yyyy");
    EXPECT_EQ(withoutTimeZone("h:mm:ss AP t"), "h:mm:ss AP");
    EXPECT_EQ(withoutTimeZone("HH:mm:ss tttt"), "HH:mm:ss");
    EXPECT_EQ(withoutTimeZone("H 'Uhr' mm"), "H 'Uhr' mm");
    const DateTextFormat german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.text(at(kSummer)), "30.06.2021 16:30:15");
}

TEST(FileTimes, ReadsTheEntryItself)
{
    TempTree tree;
    tree.file("a.txt", "x");
    tree.setTimes("a.txt", kSummer, kWinter);
    tree.folder("sub");
    tree.setTimes("sub", kWinter, kSummer);
    tree.symlink(tree.path("a.txt"), "link");
    tree.setTimes("link", kBerlinMidnight, kBerlinMidnight);

    const DateTextFormat format;
    EXPECT_EQ(GetFileDateModified(tree.path("a.txt"), format), "6/30/2021 4:30:15 PM");
    EXPECT_EQ(GetFileDateAccessed(tree.path("a.txt"), format), "1/14/2021 5:00:05 PM");
    EXPECT_EQ(GetFileDateModified(tree.path("sub"), format), "1/14/2021 5:00:05 PM");
    EXPECT_EQ(GetFileDateModified(tree.path("link"), format), "8/31/2021");
    const auto times = readFileTimes(tree.path("a.txt"));
    ASSERT_TRUE(times);
    if (times->created) { // where the file system keeps a birth time
        EXPECT_TRUE(GetFileDateCreated(tree.path("a.txt"), format).has_value());
    }
}

TEST(FileTimes, NothingFoundGivesNoValue)
{
    TempTree tree;
    tree.file("a.txt");
    for (const QString& path : {tree.path("missing"), tree.path("a.txt") + "/", tree.root() + "/",
                                QString(), tree.path("a.txt/x"), QString("relative-missing")}) {
        EXPECT_FALSE(readFileTimes(path)) << path.toStdString();
        EXPECT_FALSE(GetFileDateModified(path)) << path.toStdString();
    }
}

TEST(FileTimes, LooksUpUnicodeNamesExactly)
{
    TempTree tree;
    tree.file("Ärger ?.txt");
    tree.file("日本語.txt");
    EXPECT_TRUE(readFileTimes(tree.path("Ärger ?.txt")));
    EXPECT_TRUE(readFileTimes(tree.path("日本語.txt")));
    EXPECT_FALSE(readFileTimes(tree.path("Ärger x.txt"))); // "?" is no wildcard
}

TEST(DateText, CompiledFormatsRenderWhatQLocaleRenders)
{
    const QStringList names{"en_US", "en_GB", "de_DE", "fr_FR", "es_ES", "it_IT", "nl_NL",
                            "pl_PL", "pt_BR", "sv_SE", "fi_FI", "cs_CZ", "hu_HU", "tr_TR",
                            "el_GR", "ru_RU", "ja_JP", "zh_CN", "zh_TW", "ko_KR", "he_IL",
                            "hi_IN", "th_TH", "vi_VN", "en_AU", "bg_BG", "ar_EG", "fa_IR"};
    const auto plain = [](QString format) {
        return format.replace(QChar(0x202F), u' ').replace(QChar(0x00A0), u' ');
    };
    for (const QString& name : names) {
        const QLocale locale(name);
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
            EXPECT_EQ(format.text(local), expected) << name.toStdString();
            QByteArray utf8("before:");
            format.appendUtf8(local, utf8);
            EXPECT_EQ(utf8, "before:" + expected.toUtf8()) << name.toStdString();
        }
    }
}

TEST(DateText, FormatsCompileFieldsAndQuotedText)
{
    std::vector<DateTextFormat::Token> tokens;
    EXPECT_TRUE(compileDateFormat("H 'Uhr' mm ''!", tokens));
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(tokens[1].literal, " Uhr ");
    EXPECT_EQ(tokens[3].literal, " '!");
    EXPECT_FALSE(compileDateFormat("HH:mm:ss.zzz", tokens));
    EXPECT_FALSE(compileDateFormat("d/M/yy", tokens));
}

TEST(FileTimesReader, AgreesWithTheSingleLookupAcrossFolders)
{
    TempTree tree;
    tree.file("a/one");
    tree.file("a/two");
    tree.file("b/three");
    tree.setTimes("a/two", kSummer, kWinter);
    tree.symlink(tree.path("a"), "link-to-a");
    FileTimesReader reader;
    for (const QString& path :
         {tree.path("a/one"), tree.path("a/two"), tree.path("a/missing"), tree.path("b/three"),
          tree.path("a/two"), tree.path("link-to-a/two"), tree.path("a/"), tree.path("a"),
          tree.path("nope/x"), QString("relative-missing"), QString()}) {
        const auto expected = readFileTimes(path);
        const auto got = reader.read(path);
        ASSERT_EQ(got.has_value(), expected.has_value()) << path.toStdString();
        if (got) {
            EXPECT_EQ(got->modified.tv_sec, expected->modified.tv_sec) << path.toStdString();
        }
    }
}

TEST(FileTimesReader, FolderReplacedMeanwhileIsLookedUpAgain)
{
    TempTree tree;
    tree.file("a/old");
    FileTimesReader reader;
    ASSERT_TRUE(reader.read(tree.path("a/old")));
    QDir(tree.path("a")).removeRecursively();
    tree.file("a/new");
    EXPECT_TRUE(reader.read(tree.path("a/new")));
    EXPECT_FALSE(reader.read(tree.path("a/old")));
}
