// The test programs run with TZ=Europe/Berlin and an en_US locale (see TestMain.cpp).

#include "dates/TimeBins.h"
#include "support/Stamps.h"

#include <limits>
#include <vector>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

// Seconds since 1970 of a UTC date and time.
time_t utc(int year, int month, int day, int hour, int minute, int second)
{
    return static_cast<time_t>(
        daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 86400
        + hour * 3600 + minute * 60 + second);
}

qint64 key(time_t seconds, long nanoseconds = 0)
{
    return instantKey(at(seconds, nanoseconds));
}

// What holds for any result: the bins follow each other without gap or overlap, cover every
// dated key, and count each key in the bin its instant lies in.
void expectConsistent(const TimeBins& result, const std::vector<qint64>& keys)
{
    qint64 undated = 0;
    qint64 first = std::numeric_limits<qint64>::max();
    qint64 last = kNoInstant;
    for (const qint64 k : keys) {
        undated += k == kNoInstant;
        if (k != kNoInstant) {
            first = std::min(first, k);
            last = std::max(last, k);
        }
    }
    EXPECT_EQ(result.undated, undated);
    EXPECT_EQ(result.total, static_cast<qint64>(keys.size()));
    if (last == kNoInstant) {
        EXPECT_TRUE(result.bins.empty());
        return;
    }
    ASSERT_FALSE(result.bins.empty());
    EXPECT_LE(result.bins.front().first, first);
    EXPECT_GE(result.bins.back().last, last);
    for (std::size_t i = 0; i < result.bins.size(); ++i) {
        const TimeBin& bin = result.bins[i];
        ASSERT_LE(bin.first, bin.last) << i;
        if (i + 1 < result.bins.size()) {
            ASSERT_EQ(bin.last + 1, result.bins[i + 1].first) << i;
        }
        qint64 inside = 0;
        for (const qint64 k : keys)
            inside += k != kNoInstant && k >= bin.first && k <= bin.last;
        ASSERT_EQ(bin.count, inside) << i;
    }
}

} // namespace

TEST(TimeBins, CountsRowsInLocalPeriods)
{
    struct Bin {
        LocalDateTime start;
        qint64 hours;
        qint64 count;
    };
    std::vector<qint64> oneSecond(1000, kNoInstant);
    for (std::size_t i = 2; i < oneSecond.size(); ++i)
        oneSecond[i] = key(kSummer, static_cast<long>(i * 999999));
    const qint64 kNs = 999999999;
    const struct {
        const char* name;
        std::vector<qint64> keys;
        int mostBins;
        TimeUnit unit;
        int step;
        std::vector<Bin> bins;
    } cases[] = {
        {"no rows", {}, 120, TimeUnit::Hour, 1, {}},
        {"rows without a date", {kNoInstant, kNoInstant}, 120, TimeUnit::Hour, 1, {}},
        {"one row",
         {key(kSummer)},
         120,
         TimeUnit::Hour,
         1,
         {{{2021, 6, 30, 16, 0, 0, 7200}, 1, 1}}},
        {"every row in one second",
         oneSecond,
         120,
         TimeUnit::Hour,
         1,
         {{{2021, 6, 30, 16, 0, 0, 7200}, 1, 998}}},
        {"a 23-hour day",
         {key(utc(2021, 3, 27, 11, 0, 0)), key(utc(2021, 3, 28, 10, 0, 0)),
          key(utc(2021, 3, 29, 10, 0, 0))},
         4,
         TimeUnit::Day,
         1,
         {{{2021, 3, 27, 0, 0, 0, 3600}, 24, 1},
          {{2021, 3, 28, 0, 0, 0, 3600}, 23, 1},
          {{2021, 3, 29, 0, 0, 0, 7200}, 24, 1}}},
        {"a 25-hour day",
         {key(utc(2021, 10, 30, 10, 0, 0)), key(utc(2021, 10, 31, 11, 0, 0)),
          key(utc(2021, 11, 1, 11, 0, 0))},
         4,
         TimeUnit::Day,
         1,
         {{{2021, 10, 30, 0, 0, 0, 7200}, 24, 1},
          {{2021, 10, 31, 0, 0, 0, 7200}, 25, 1},
          {{2021, 11, 1, 0, 0, 0, 3600}, 24, 1}}},
        {"the hour the clock skips has no bin",
         {key(utc(2021, 3, 27, 23, 30, 0)), key(utc(2021, 3, 28, 1, 30, 0))},
         120,
         TimeUnit::Hour,
         1,
         {{{2021, 3, 28, 0, 0, 0, 3600}, 1, 1},
          {{2021, 3, 28, 1, 0, 0, 3600}, 1, 0},
          {{2021, 3, 28, 3, 0, 0, 7200}, 1, 1}}},
        {"the hour the clock repeats has two",
         {key(utc(2021, 10, 30, 23, 30, 0)), key(utc(2021, 10, 31, 0, 30, 0)),
          key(utc(2021, 10, 31, 1, 30, 0))},
         120,
         TimeUnit::Hour,
         1,
         {{{2021, 10, 31, 1, 0, 0, 7200}, 1, 1},
          {{2021, 10, 31, 2, 0, 0, 7200}, 1, 1},
          {{2021, 10, 31, 2, 0, 0, 3600}, 1, 1}}},
        {"month ends in a leap year",
         {key(utc(2024, 1, 31, 22, 59, 59), kNs), key(utc(2024, 1, 31, 23, 0, 0)),
          key(utc(2024, 2, 29, 22, 59, 59), kNs), key(utc(2024, 2, 29, 23, 0, 0))},
         4,
         TimeUnit::Month,
         1,
         {{{2024, 1, 1, 0, 0, 0, 3600}, 31 * 24, 1},
          {{2024, 2, 1, 0, 0, 0, 3600}, 29 * 24, 2},
          {{2024, 3, 1, 0, 0, 0, 3600}, 31 * 24 - 1, 1}}},
        {"month ends in another year",
         {key(utc(2023, 1, 15, 12, 0, 0)), key(utc(2023, 2, 28, 22, 59, 59), kNs),
          key(utc(2023, 2, 28, 23, 0, 0))},
         3,
         TimeUnit::Month,
         1,
         {{{2023, 1, 1, 0, 0, 0, 3600}, 31 * 24, 1},
          {{2023, 2, 1, 0, 0, 0, 3600}, 28 * 24, 1},
          {{2023, 3, 1, 0, 0, 0, 3600}, 31 * 24 - 1, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TimeBins result = binInstants(c.keys, TimeBinOptions{c.mostBins, Qt::Monday});
        expectConsistent(result, c.keys);
        if (!c.bins.empty()) {
            EXPECT_EQ(result.unit, c.unit);
            EXPECT_EQ(result.step, c.step);
        }
        ASSERT_EQ(result.bins.size(), c.bins.size());
        for (std::size_t i = 0; i < c.bins.size(); ++i) {
            const TimeBin& bin = result.bins[i];
            EXPECT_EQ(bin.start, c.bins[i].start) << i;
            EXPECT_EQ(bin.last + 1 - bin.first, c.bins[i].hours * 3600 * 1000000000) << i;
            EXPECT_EQ(bin.count, c.bins[i].count) << i;
        }
    }
}

TEST(TimeBins, AnySpanGivesABarChartThatFits)
{
    // Spans from a second to the keys' whole range, from before and after 1970 and across
    // Berlin's change from local mean time (1 April 1893): the bins stay within the most
    // wanted, are not too few to read once the span is a day, and count every key.
    constexpr time_t kMostSeconds = std::numeric_limits<qint64>::max() / 1000000000;
    for (const time_t from : {utc(1893, 3, 30, 0, 0, 0), utc(2021, 3, 1, 0, 0, 0), -kMostSeconds}) {
        for (double span = 1; span < 2.0 * kMostSeconds; span *= 2.7) {
            SCOPED_TRACE(::testing::Message() << from << " + " << span);
            std::vector<qint64> keys{kNoInstant};
            quint64 random = 12345;
            for (int i = 0; i < 300; ++i) {
                random = random * 6364136223846793005ULL + 1442695040888963407ULL;
                const double share = static_cast<double>(random >> 11) / 9007199254740992.0;
                keys.push_back(key(from + static_cast<time_t>(span * share), i));
            }
            keys.push_back(key(from + static_cast<time_t>(span)));
            const TimeBins result = binInstants(keys);
            expectConsistent(result, keys);
            EXPECT_LE(result.bins.size(), 120U);
            if (span >= 86400) {
                EXPECT_GE(result.bins.size(), 17U);
            }
        }
    }
    // The ends of the keys' range: years 1677 and 2262.
    const std::vector<qint64> ends{kNoInstant + 1, std::numeric_limits<qint64>::max()};
    const TimeBins result = binInstants(ends);
    expectConsistent(result, ends);
    EXPECT_EQ(result.unit, TimeUnit::Year);
    EXPECT_EQ(result.step, 5);
    EXPECT_EQ(result.bins.front().start.year, 1675);
}
