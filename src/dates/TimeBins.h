#pragma once

// Layer dates: local time and date texts; uses base and Qt Core.

#include "dates/LocalTime.h"

#include <QtCore/qnamespace.h>
#include <QtGlobal>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <limits>
#include <span>
#include <vector>

namespace quillfen {

// How many instants fall in each local hour, day, week, month or year of their span: the
// counts of a timeline chart, one bar a bin. The period adapts to the span so that the bins
// are few enough to draw (at most TimeBinOptions::mostBins); empty periods are bins of count 0.
// Thread-safe: nothing is shared between calls, and no row asks the time-zone rules.

// A row without the date. The same value as TextTable::kNoKey, so a table's keys pass as they are.
inline constexpr qint64 kNoInstant = std::numeric_limits<qint64>::min();

enum class TimeUnit { Hour, Day, Week, Month, Year };

struct TimeBinOptions {
    // The finest period is taken that gives at most this many bins (at least 2).
    int mostBins = 120;
    // Where a week begins: the locale's QLocale::firstDayOfWeek().
    Qt::DayOfWeek firstDayOfWeek = Qt::Monday;
};

// One period of local time and the instants in it. The instants are keys (see instantKey),
// both ends inclusive, so "between first and last" is the period: a bin's last + 1 is the next
// bin's first, and bins i to j together are bins[i].first to bins[j].last. A day with a clock
// change has 23 or 25 hours; an hour the clock skips has no bin, one it repeats has two.
// The first and last bins stop at the ends of the keys' range (the years 1677 and 2262).
struct TimeBin {
    qint64 first = 0;
    qint64 last = 0;
    qint64 count = 0;
    LocalDateTime start; // the wall-clock time the period starts at, for the label
};

struct TimeBins {
    TimeUnit unit = TimeUnit::Hour;
    int step = 1;              // units a bin: 1, 2, 3, 6 or 12 hours, 2 months, 5 years, ...
    std::vector<TimeBin> bins; // in time order, from the period of the earliest instant to the
                               // period of the latest; none when no row has a date
    qint64 undated = 0;        // rows without a date (kNoInstant)
    qint64 total = 0;          // all rows: those in the bins and the undated
};

// Bins the instants of `keys` in two passes: their range, then a few steps a key.
TimeBins binInstants(std::span<const qint64> keys, const TimeBinOptions& options = {});

// The same for keys that are not in one array: the caller finds the earliest and latest
// instant (`first` <= `last`), then adds each row's key, kNoInstant for a row without a date.
class TimeBinner {
public:
    TimeBinner(qint64 first, qint64 last, const TimeBinOptions& options = {});

    void add(qint64 key)
    {
        if (key == kNoInstant) {
            ++m_undated;
            return;
        }
        Q_ASSERT(key >= m_first && key <= m_last);
        key = std::clamp(key, m_first, m_last);
        // The cell of the key gives the bin it starts in; a cell is shorter than any bin but
        // the shortest clock-change ones, so this rarely steps on.
        const auto offset = static_cast<quint64>(key) - static_cast<quint64>(m_first);
        std::size_t bin = m_cellBins[offset >> m_cellShift];
        while (key > m_bins[bin].last)
            ++bin;
        ++m_bins[bin].count;
    }

    // The bins so far; ends the binner.
    TimeBins take();

private:
    qint64 m_first;
    qint64 m_last;
    TimeUnit m_unit = TimeUnit::Hour;
    int m_step = 1;
    std::vector<TimeBin> m_bins;
    std::vector<std::uint32_t> m_cellBins; // the bin holding each cell's first instant
    int m_cellShift = 0;                   // a cell is 2^m_cellShift nanoseconds
    qint64 m_undated = 0;
};

// The same for keys that are not in one array: `forEachKey(visit)` calls visit(key) for each
// key in turn, the same keys each time; it is called twice, for the range and for the counts.
template <typename ForEachKey>
TimeBins binEachKey(const ForEachKey& forEachKey, const TimeBinOptions& options = {})
{
    qint64 first = std::numeric_limits<qint64>::max();
    qint64 last = kNoInstant;
    qint64 undated = 0;
    forEachKey([&](qint64 key) {
        if (key == kNoInstant) {
            ++undated;
            return;
        }
        first = std::min(first, key);
        last = std::max(last, key);
    });
    if (last == kNoInstant) {
        TimeBins result;
        result.undated = undated;
        result.total = undated;
        return result;
    }
    TimeBinner binner(first, last, options);
    forEachKey([&](qint64 key) { binner.add(key); });
    return binner.take();
}

} // namespace quillfen
