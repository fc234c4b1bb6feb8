#include "dates/TimeBins.h"

namespace quillfen {

namespace {

constexpr long long kHour = 3600;
constexpr long long kDay = 86400;
constexpr qint64 kBillion = 1000000000;

long long floorDiv(long long a, long long b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

// A local wall-clock time as seconds since 1 January 1970, 00:00:00 on the local calendar.
using WallSeconds = long long;

WallSeconds wallOf(time_t seconds)
{
    const LocalDateTime local = toAnyLocalDateTime(seconds);
    return daysFromCivil(local.year, static_cast<unsigned>(local.month),
                         static_cast<unsigned>(local.day))
        * kDay
        + local.hour * kHour + local.minute * 60 + local.second;
}

// A length of period on the local calendar: its periods are numbered, each starting at a
// wall-clock time.
struct Period {
    TimeUnit unit;
    int step;
    long long weekStart = 0; // a day number (since 1970) that begins a week

    long long index(WallSeconds wall) const
    {
        const long long days = floorDiv(wall, kDay);
        switch (unit) {
        case TimeUnit::Hour:
            return floorDiv(wall, kHour * step);
        case TimeUnit::Day:
            return floorDiv(days, step);
        case TimeUnit::Week:
            return floorDiv(days - weekStart, 7LL * step);
        case TimeUnit::Month: {
            const CivilDate date = civilFromDays(days);
            return floorDiv(date.year * 12 + date.month - 1, step);
        }
        case TimeUnit::Year:
            return floorDiv(civilFromDays(days).year, step);
        }
        return 0;
    }

    WallSeconds start(long long i) const
    {
        switch (unit) {
        case TimeUnit::Hour:
            return i * step * kHour;
        case TimeUnit::Day:
            return i * step * kDay;
        case TimeUnit::Week:
            return (i * 7 * step + weekStart) * kDay;
        case TimeUnit::Month: {
            const long long months = i * step;
            return daysFromCivil(floorDiv(months, 12),
                                 static_cast<unsigned>(months - floorDiv(months, 12) * 12 + 1), 1)
                * kDay;
        }
        case TimeUnit::Year:
            return daysFromCivil(i * step, 1, 1) * kDay;
        }
        return 0;
    }

    // The first instant after `from` at which a period starts: the wall clock reaches a
    // period's start, or a clock change jumps over it. A clock put back makes the start it
    // goes back to (or over) begin a period again.
    time_t nextStart(time_t from) const
    {
        time_t at = from;
        WallSeconds wall = wallOf(at);
        WallSeconds target = start(index(wall) + 1);
        // Each round passes one clock change; real zones have only a few in a period.
        for (int round = 0; round < 64; ++round) {
            const long long offset = wall - at;
            const time_t guess = static_cast<time_t>(target - offset);
            if (wallOf(guess) == target)
                return guess;
            // The offset changed on the way: find the change (the first second off it).
            time_t before = at;
            time_t change = guess;
            while (change - before > 1) {
                const time_t middle = before + (change - before) / 2;
                if (wallOf(middle) - middle == offset)
                    before = middle;
                else
                    change = middle;
            }
            const WallSeconds after = wallOf(change);
            if (after >= target || start(index(after)) == after)
                return change;
            at = change;
            wall = after;
            target = start(index(after) + 1);
        }
        return std::max(from + 1, static_cast<time_t>(target - (wall - at)));
    }

    // The start of the period holding `seconds`.
    time_t startOf(time_t seconds) const
    {
        const WallSeconds wall = wallOf(seconds);
        const WallSeconds periodStart = start(index(wall));
        const auto guess = static_cast<time_t>(periodStart - (wall - seconds));
        if (guess <= seconds && wallOf(guess) == periodStart)
            return guess;
        // A clock change between the period's start and the instant (or the start skipped):
        // walk up from well before it.
        const long long back = unit == TimeUnit::Hour ? kDay : 3 * kDay;
        time_t edge = guess - back;
        for (time_t next = nextStart(edge); next <= seconds; next = nextStart(edge))
            edge = next;
        return edge;
    }
};

// The periods to try, finest first: each a few times the one before, so that the one taken
// gives not far below the most bins wanted.
constexpr struct {
    TimeUnit unit;
    int step;
} kPeriods[] = {{TimeUnit::Hour, 1},   {TimeUnit::Hour, 2},   {TimeUnit::Hour, 3},
                {TimeUnit::Hour, 6},   {TimeUnit::Hour, 12},  {TimeUnit::Day, 1},
                {TimeUnit::Week, 1},   {TimeUnit::Month, 1},  {TimeUnit::Month, 2},
                {TimeUnit::Month, 3},  {TimeUnit::Month, 6},  {TimeUnit::Year, 1},
                {TimeUnit::Year, 2},   {TimeUnit::Year, 5},   {TimeUnit::Year, 10},
                {TimeUnit::Year, 20},  {TimeUnit::Year, 50},  {TimeUnit::Year, 100},
                {TimeUnit::Year, 200}, {TimeUnit::Year, 500}, {TimeUnit::Year, 1000}};

// Seconds as a key, held within the keys' range.
qint64 keyOfSeconds(time_t seconds)
{
    constexpr qint64 kMost = std::numeric_limits<qint64>::max() / kBillion;
    if (seconds > kMost)
        return std::numeric_limits<qint64>::max();
    if (seconds < -kMost)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(seconds) * kBillion;
}

// The period starts from the one holding `first` to the first one after `last`; none when
// that would be more than `most` periods.
std::vector<time_t> periodStarts(const Period& period, time_t first, time_t last, int most)
{
    // Only the span's ends are converted: periods past `most` are not worth walking.
    const long long estimate = period.index(wallOf(last)) - period.index(wallOf(first)) + 1;
    if (estimate > most + 1LL)
        return {};
    std::vector<time_t> starts{period.startOf(first)};
    while (starts.back() <= last) {
        if (starts.size() > static_cast<std::size_t>(most))
            return {};
        starts.push_back(period.nextStart(starts.back()));
    }
    return starts;
}

} // namespace

TimeBinner::TimeBinner(qint64 first, qint64 last, const TimeBinOptions& options)
    : m_first(first)
    , m_last(std::max(first, last))
{
    const time_t firstSecond = instantOfKey(m_first).tv_sec;
    const time_t lastSecond = instantOfKey(m_last).tv_sec;
    const int most = std::max(options.mostBins, 2);
    // 1 January 1970 was a Thursday.
    const long long weekStart = (static_cast<int>(options.firstDayOfWeek) - Qt::Thursday + 7) % 7;
    std::vector<time_t> starts;
    for (const auto& [unit, step] : kPeriods) {
        m_unit = unit;
        m_step = step;
        starts = periodStarts(Period{unit, step, weekStart}, firstSecond, lastSecond, most);
        if (!starts.empty())
            break;
    }
    if (starts.empty()) // even millennia are too many: the range is past any real date
        starts = {firstSecond, lastSecond + 1};

    m_bins.resize(starts.size() - 1);
    for (std::size_t i = 0; i < m_bins.size(); ++i) {
        TimeBin& bin = m_bins[i];
        bin.first =
            i == 0 ? std::max(keyOfSeconds(starts[i]), kNoInstant + 1) : keyOfSeconds(starts[i]);
        const qint64 next = keyOfSeconds(starts[i + 1]);
        bin.last = next == std::numeric_limits<qint64>::max() ? next : next - 1;
        bin.start = toAnyLocalDateTime(starts[i]);
    }
    m_bins.back().last = std::max(m_bins.back().last, m_last);

    // About a thousand cells over the range, each a power of two long, so a key finds its
    // cell by a shift.
    const auto range = static_cast<quint64>(m_last) - static_cast<quint64>(m_first);
    while ((range >> m_cellShift) >= 1024)
        ++m_cellShift;
    m_cellBins.resize((range >> m_cellShift) + 1);
    std::uint32_t bin = 0;
    for (std::size_t cell = 0; cell < m_cellBins.size(); ++cell) {
        const auto cellFirst = static_cast<qint64>(static_cast<quint64>(m_first)
                                                   + (static_cast<quint64>(cell) << m_cellShift));
        while (cellFirst > m_bins[bin].last)
            ++bin;
        m_cellBins[cell] = bin;
    }
}

TimeBins TimeBinner::take()
{
    TimeBins result;
    result.unit = m_unit;
    result.step = m_step;
    result.undated = m_undated;
    result.total = m_undated;
    for (const TimeBin& bin : m_bins)
        result.total += bin.count;
    result.bins = std::move(m_bins);
    m_bins.clear();
    m_undated = 0;
    return result;
}

TimeBins binInstants(std::span<const qint64> keys, const TimeBinOptions& options)
{
    return binEachKey(
        [keys](const auto& visit) {
            for (const qint64 key : keys)
                visit(key);
        },
        options);
}

} // namespace quillfen
