#include "commands/ResultsFilter.h"

#include "commands/ResultsComparison.h"
#include "dates/WhenText.h"
#include "files/PathPattern.h"

#include <QDateTime>

#include <limits>

namespace quillfen {

namespace {

using DateTest = FilterConditions::DateTest;
using Unit = FilterConditions::Unit;

constexpr qint64 kNanosecondsPerMillisecond = 1'000'000;
// Rows tested between two turns of the event loop: a few milliseconds' work.
constexpr int kRowsPerSlice = 1 << 16;

// The units of "in the last ...", as the command line's durations count them.
SpanUnit spanUnit(Unit unit)
{
    switch (unit) {
    case Unit::Minutes:
        return SpanUnit::Minutes;
    case Unit::Hours:
        return SpanUnit::Hours;
    case Unit::Days:
        return SpanUnit::Days;
    case Unit::Weeks:
        return SpanUnit::Weeks;
    case Unit::Months:
        break;
    }
    return SpanUnit::Months;
}

// The instants a date condition lets pass, first inclusive, end exclusive; nullopt when it
// tests nothing yet (a field that names no date).
std::optional<InstantSpan> passingInstants(const FilterConditions& c, qint64 now)
{
    constexpr qint64 kEarliest = std::numeric_limits<qint64>::min() + 1; // above kNoKey
    constexpr qint64 kLatest = std::numeric_limits<qint64>::max();
    switch (c.dateTest) {
    case DateTest::Any:
        return std::nullopt;
    case DateTest::InTheLast:
        // Up to now: a date in the future is not in the last days.
        return InstantSpan{instantBefore(now, c.count, spanUnit(c.unit)), now + 1};
    case DateTest::Before:
        return c.firstDate ? std::optional(InstantSpan{kEarliest, c.firstDate->first})
                           : std::nullopt;
    case DateTest::After:
        return c.firstDate ? std::optional(InstantSpan{c.firstDate->end, kLatest}) : std::nullopt;
    case DateTest::Between:
        if (!c.firstDate || !c.secondDate)
            return std::nullopt;
        return InstantSpan{c.firstDate->first, c.secondDate->end};
    }
    return std::nullopt;
}

// Whether a row's change since the snapshot passes; a row of results that were not compared
// has none, and passes only "any".
bool changePasses(FilterConditions::ChangeTest test, const TextTable& table, int row)
{
    using ChangeTest = FilterConditions::ChangeTest;
    const int column = table.columnWithId(kChangeColumnId);
    if (column <= 0)
        return false;
    const qint64 key = table.subItemKey(row, column);
    if (key == TextTable::kNoKey)
        return false;
    const Change change = changeOfKey(key);
    switch (test) {
    case ChangeTest::Any:
        return true;
    case ChangeTest::Differing:
        return change != Change::Unchanged;
    case ChangeTest::Added:
        return change == Change::Added;
    case ChangeTest::Removed:
        return change == Change::Removed;
    case ChangeTest::Changed:
        return change == Change::Changed;
    case ChangeTest::Unchanged:
        break;
    }
    return change == Change::Unchanged;
}

} // namespace

RowModel::RowTest rowTestFor(const FilterConditions& conditions, qint64 now)
{
    const std::optional<InstantSpan> dates =
        conditions.dateColumnId >= 0 ? passingInstants(conditions, now) : std::nullopt;
    const PathPattern path(conditions.pathText);
    const bool anyPath = path.matchesEverything();
    const auto change = conditions.change;
    if (anyPath && !dates && change == FilterConditions::ChangeTest::Any)
        return {};
    const int columnId = conditions.dateColumnId;
    return [path, anyPath, dates, columnId, change](const TextTable& table, int row) {
        if (change != FilterConditions::ChangeTest::Any && !changePasses(change, table, row))
            return false;
        if (dates) {
            // By id, so the test stays right when a new extraction makes other columns.
            const int column = table.columnWithId(columnId);
            if (column <= 0)
                return false;
            const qint64 instant = table.subItemKey(row, column);
            // A cell without a date is kNoKey, below every span.
            if (instant < dates->first || instant >= dates->end)
                return false;
        }
        return anyPath || path.matchesUtf8(table.textView(row));
    };
}

ResultsFilter::ResultsFilter(RowModel& results, QObject* parent)
    : QObject(parent)
    , m_results(results)
{
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &ResultsFilter::testSlice);
}

void ResultsFilter::apply(const FilterConditions& conditions)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch() * kNanosecondsPerMillisecond;
    m_test = rowTestFor(conditions, now);
    if (!m_test) {
        clear();
        return;
    }
    restart();
}

void ResultsFilter::clear()
{
    m_slices.stop();
    m_test = {};
    m_passing = {};
    if (m_results.isFiltered()) {
        m_results.showAll();
        emit shownChanged();
    }
}

void ResultsFilter::finish()
{
    while (m_slices.isActive())
        testSlice();
}

void ResultsFilter::restart()
{
    m_passing.clear();
    m_examined = 0;
    m_revision = m_results.table().revision();
    m_slices.start();
}

void ResultsFilter::testSlice()
{
    const TextTable& table = m_results.table();
    if (table.revision() != m_revision) {
        restart(); // rows moved or went: their numbers are stale
        return;
    }
    const int end = std::min(table.rows(), m_examined + kRowsPerSlice);
    for (int row = m_examined; row < end; ++row) {
        if (m_test(table, row))
            m_passing.push_back(row);
    }
    m_examined = end;
    if (m_examined < table.rows())
        return;
    m_slices.stop();
    m_results.showOnly(m_test, std::move(m_passing), m_examined);
    m_passing = {};
    emit shownChanged();
}

} // namespace quillfen
