// The test programs run with TZ=Europe/Berlin and an en_US locale (see TestMain.cpp); Berlin
// set its clocks forward on 2024-03-31 at 02:00 and back on 2024-10-27 at 03:00.

#include "dates/WhenText.h"
#include "support/Stamps.h"

#include <QDateTime>

#include <gtest/gtest.h>

using namespace quillfen;

namespace {

constexpr qint64 kSecond = 1000000000;

// An instant from its UTC text, as Qt reads it: an independent reading to hold ours to.
qint64 utc(const char* text)
{
    const QDateTime time = QDateTime::fromString(QString::fromLatin1(text), Qt::ISODateWithMs);
    EXPECT_TRUE(time.isValid()) << text;
    return time.toMSecsSinceEpoch() * 1000000;
}

} // namespace

TEST(WhenText, DatesAndTimesReadAsBerlinsWallClockOnBothSidesOfItsClockChanges)
{
    const struct {
        const char* text;
        const char* utc; // nullptr: not a date
    } cases[] = {
        // clang-format off
        {"2024-03-31", "2024-03-30T23:00:00Z"},            // midnight, still winter time
        {"2024-03-31T01:59:59", "2024-03-31T00:59:59Z"},
        {"2024-03-31T02:30", "2024-03-31T01:30:00Z"},      // skipped: 03:30 summer time
        {"2024-03-31 03:00:00", "2024-03-31T01:00:00Z"},
        {"2024-10-27", "2024-10-26T22:00:00Z"},
        {"2024-10-27T02:30", "2024-10-27T00:30:00Z"},      // twice: the first, summer time
        {"2024-10-27T03:00", "2024-10-27T02:00:00Z"},
        {"2024-10-27T02:30+01:00", "2024-10-27T01:30:00Z"}, // the second, by its offset
        {"2024-10-27T02:30:15.25Z", "2024-10-27T02:30:15.250Z"},
        {"2024-10-27T02:30:15,5-0130", "2024-10-27T04:00:15.500Z"},
        {"2024-02-29t12:00+05", "2024-02-29T07:00:00Z"},
        {"2023-02-29", nullptr},        {"2024-13-01", nullptr},  {"2024-03-31T24:00", nullptr},
        {"2024-03-31T02:60", nullptr},  {"2024-3-31", nullptr},   {"2024-03-31T", nullptr},
        {"2024-03-31Z", nullptr},       {"2024-03-31T02:30+1", nullptr},
        {"2024-03-31T02:30:00.1234567890", nullptr},              {"2024-03-31T02:30 ", nullptr},
        {"", nullptr},
        // clang-format on
    };
    for (const auto& c : cases) {
        const std::optional<qint64> read = parseIsoInstant(QString::fromLatin1(c.text));
        if (c.utc == nullptr)
            EXPECT_FALSE(read) << c.text;
        else
            EXPECT_EQ(read, utc(c.utc)) << c.text;
    }
    // 1 ns is kept, and the fraction is not taken for milliseconds.
    EXPECT_EQ(parseIsoInstant(u"1970-01-01T00:00:00.000000001Z"), 1);
}

TEST(WhenText, SpansBackCountDurationsExactlyAndMonthsOnTheLocalCalendar)
{
    const struct {
        const char* now; // UTC
        const char* when;
        const char* utc; // nullptr: not a WHEN
    } cases[] = {
        // clang-format off
        // Over the spring change a day is 24 hours: 12:00 summer time less a day is 11:00.
        {"2024-03-31T10:00:00Z", "1d", "2024-03-30T10:00:00Z"},
        {"2024-03-31T10:00:00Z", "36h", "2024-03-29T22:00:00Z"},
        {"2024-03-31T10:00:00Z", "90m", "2024-03-31T08:30:00Z"},
        {"2024-10-27T12:00:00Z", "2w", "2024-10-13T12:00:00Z"},
        // A month back is the same wall-clock time, in the rules of that day.
        {"2024-04-30T10:00:00Z", "1mo", "2024-03-30T11:00:00Z"},  // 12:00 CEST to 12:00 CET
        {"2024-05-31T00:30:00Z", "2mo", "2024-03-31T01:30:00Z"},  // 02:30 is skipped there
        {"2024-11-27T01:30:00Z", "1mo", "2024-10-27T00:30:00Z"},  // 02:30 comes twice there
        {"2024-03-31T10:00:00.5Z", "1mo", "2024-02-29T11:00:00.500Z"}, // cut to the month's end
        {"2025-03-31T10:00:00Z", "1y", "2024-03-31T10:00:00Z"},
        {"2024-02-29T11:00:00Z", "1y", "2023-02-28T11:00:00Z"},
        {"2024-01-15T11:00:00Z", "13mo", "2022-12-15T11:00:00Z"},
        {"2024-01-15T11:00:00Z", "0d", nullptr},  {"2024-01-15T11:00:00Z", "-1d", nullptr},
        {"2024-01-15T11:00:00Z", "7", nullptr},   {"2024-01-15T11:00:00Z", "d", nullptr},
        {"2024-01-15T11:00:00Z", "7D", nullptr},  {"2024-01-15T11:00:00Z", "7 d", nullptr},
        {"2024-01-15T11:00:00Z", "1min", nullptr},
        {"2024-01-15T11:00:00Z", "99999999999d", nullptr},
        // clang-format on
    };
    for (const auto& c : cases) {
        const std::optional<qint64> read = parseWhen(QString::fromLatin1(c.when), utc(c.now));
        if (c.utc == nullptr)
            EXPECT_FALSE(read) << c.now << " " << c.when;
        else
            EXPECT_EQ(read, utc(c.utc)) << c.now << " " << c.when;
    }
    // A date is a WHEN too, and spans far back end at the earliest instant, not wrapped round.
    EXPECT_EQ(parseWhen(u"2024-10-27T02:30Z", 0), utc("2024-10-27T02:30:00Z"));
    const qint64 now = utc("2024-01-15T11:00:00Z");
    EXPECT_LT(parseWhen(u"2147483647w", now).value_or(0), utc("1700-01-01T00:00:00Z"));
    EXPECT_LT(parseWhen(u"2147483647y", now).value_or(0), utc("1700-01-01T00:00:00Z"));
}

TEST(WhenText, RangesAreStrictAndADateThatIsMissingPassesOnlyAnOpenOne)
{
    const qint64 t = 1000 * kSecond;
    const struct {
        InstantRange range;
        qint64 instant;
        bool passes;
    } cases[] = {
        {{}, t, true},
        {{}, InstantRange::kNoBound, true},
        {{t, InstantRange::kNoBound}, t, false}, // strictly newer, as find -newermt
        {{t, InstantRange::kNoBound}, t + 1, true},
        {{InstantRange::kNoBound, t}, t, false},
        {{InstantRange::kNoBound, t}, t - 1, true},
        {{t - 1, t + 1}, t, true},
        {{t, InstantRange::kNoBound}, InstantRange::kNoBound, false},
        {{InstantRange::kNoBound, t}, InstantRange::kNoBound, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.range.contains(c.instant), c.passes)
            << c.range.after << " " << c.range.before << " " << c.instant;
    }
}
