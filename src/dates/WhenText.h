#pragma once

// Layer dates: local time and date texts; uses base and Qt Core.

#include <QStringView>
#include <QtGlobal>

#include <limits>
#include <optional>

namespace quillfen {

// Points in time as people name them when they filter a listing: a date, a date and time, or
// a span back from now. An instant is nanoseconds since 1970, the scale of instantKey() in
// dates/LocalTime.h.
//
// A local wall-clock time is converted with the time-zone rules of its own date. A time that
// does not exist there (in the hour a spring clock change skips) is read with the offset in
// force before the change, so it lands as far past the change as it was into the gap:
// 2024-03-31 02:30 in Berlin is 03:30 summer time. A time that exists twice (in the hour an
// autumn change repeats) is the earlier of the two: 2024-10-27 02:30 in Berlin is the summer
// time one, 00:30 UTC.

enum class SpanUnit { Minutes, Hours, Days, Weeks, Months, Years };

// `count` units back from `now`: minutes, hours, days and weeks as exact durations (a day is
// 24 hours, over a clock change too); months and years on the local calendar, the same local
// wall-clock time that many months earlier, the day cut to the month's last (31 March less a
// month is 29 February or 28 February). Held within the range of instants.
qint64 instantBefore(qint64 now, int count, SpanUnit unit);

// An ISO 8601 date ("2024-03-31") or date and time ("2024-03-31T02:30", "2024-03-31 02:30:15",
// seconds with a fraction of up to nine digits after "." or ","), the time optionally followed
// by "Z" or an offset ("+01:00", "+0100", "+01"). Without an offset it is local time; a date
// alone is local midnight at the start of that day. None when the text is not such a date, or
// names a day or time that no calendar has (30 February, 24:00, 23:60).
std::optional<qint64> parseIsoInstant(QStringView text);

// What the command line's WHEN takes: an ISO instant as parseIsoInstant() reads it, or a span
// back from `now` as a whole number above 0 and its unit: "90m" (minutes), "36h", "7d", "2w",
// "6mo" (months), "1y". None when it is neither.
std::optional<qint64> parseWhen(QStringView text, qint64 now);

// A test on instants with strict bounds, after < instant < before (as find -newermt takes
// "newer"); a side without a bound is kNoBound. kNoBound is also what stands for no instant at
// all (TextTable::kNoKey, the same number, which no instantKey() gives): a cell without a date
// passes only a range without bounds.
struct InstantRange {
    static constexpr qint64 kNoBound = std::numeric_limits<qint64>::min();

    qint64 after = kNoBound;
    qint64 before = kNoBound;

    bool contains(qint64 instant) const;
    bool isOpen() const { return after == kNoBound && before == kNoBound; }
};

} // namespace quillfen
