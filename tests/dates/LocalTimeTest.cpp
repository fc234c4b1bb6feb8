// The test programs run with TZ=Europe/Berlin and an en_US locale (see TestMain.cpp).

#include "dates/LocalTime.h"
#include "dates/DateTextFormat.h"
#include "support/Stamps.h"

#include <limits>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

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
    EXPECT_DOUBLE_EQ(serialDate(toLocalDateTime(at(kBerlinMidnight))), 44439.0);
    EXPECT_DOUBLE_EQ(serialDate(toLocalDateTime(at(kBerlinMidnight + 6 * 3600))), 44439.25);
    EXPECT_EQ(serialDate(toLocalDateTime(at(253402300800))), 0);
    // Before the zero date the day counts back and the time of day with it.
    const struct {
        LocalDateTime local;
        double value;
    } cases[] = {{{1899, 12, 30, 6, 0, 0}, 0.25},
                 {{1899, 12, 29, 6, 0, 0}, -1.25},
                 {{1899, 12, 29, 0, 0, 0}, -1.0},
                 {{1899, 12, 28, 18, 0, 0}, -2.75},
                 {{100, 1, 1, 12, 0, 0}, -657434.5}};
    for (const auto& [local, value] : cases)
        EXPECT_DOUBLE_EQ(serialDate(local), value) << ::testing::PrintToString(local);
}
