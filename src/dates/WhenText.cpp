#include "dates/WhenText.h"

#include "dates/LocalTime.h"

#include <algorithm>
#include <climits>
#include <ctime>

namespace quillfen {

namespace {

constexpr qint64 kBillion = 1000000000;
constexpr long long kDay = 86400;

// The ends of the range of instants, as instantKey() holds stamps beyond it.
const qint64 kEarliest = instantKey(timespec{std::numeric_limits<time_t>::min(), 0});
const qint64 kLatest = instantKey(timespec{std::numeric_limits<time_t>::max(), 0});

long offsetAt(time_t utc)
{
    tm local{};
    return ::localtime_r(&utc, &local) != nullptr ? local.tm_gmtoff : 0;
}

// A local wall-clock time, as seconds counted as if local time were UTC, converted with the
// rules of its own date; a time in a gap and a repeated one as the header says. The offsets
// a day before and after are the two a clock change can put in question (changes come months
// apart).
time_t fromLocal(long long local)
{
    const long before = offsetAt(static_cast<time_t>(local - kDay));
    const long after = offsetAt(static_cast<time_t>(local + kDay));
    const auto withBefore = static_cast<time_t>(local - before);
    const auto withAfter = static_cast<time_t>(local - after);
    const bool beforeFits = offsetAt(withBefore) == before;
    const bool afterFits = offsetAt(withAfter) == after;
    if (beforeFits && afterFits)
        return std::min(withBefore, withAfter); // repeated: the earlier
    if (afterFits)
        return withAfter;
    return withBefore; // fits, or in a gap: the offset before the change
}

unsigned daysInMonth(long long year, unsigned month)
{
    const long long next =
        month == 12 ? daysFromCivil(year + 1, 1, 1) : daysFromCivil(year, month + 1, 1);
    return static_cast<unsigned>(next - daysFromCivil(year, month, 1));
}

qint64 monthsBefore(qint64 now, long long months)
{
    const timespec stamp = instantOfKey(now);
    tm local{};
    if (::localtime_r(&stamp.tv_sec, &local) == nullptr)
        return now;
    // Past a few thousand years the range of instants ends long before.
    if (months > 12LL * 5000 || months < -12LL * 5000)
        return months > 0 ? kEarliest : kLatest;
    const long long total = (local.tm_year + 1900LL) * 12 + local.tm_mon - months;
    const long long year = total >= 0 ? total / 12 : (total - 11) / 12;
    const auto month = static_cast<unsigned>(total - year * 12 + 1);
    const unsigned day = std::min(static_cast<unsigned>(local.tm_mday), daysInMonth(year, month));
    const long long seconds = daysFromCivil(year, month, day) * kDay + local.tm_hour * 3600LL
        + local.tm_min * 60LL + local.tm_sec;
    return instantKey(timespec{fromLocal(seconds), stamp.tv_nsec});
}

// Reads a text of ASCII digits and signs from the front.
class Cursor {
public:
    explicit Cursor(QStringView text)
        : m_text(text)
    {
    }
    bool atEnd() const { return m_at == m_text.size(); }
    bool take(char16_t c)
    {
        if (atEnd() || m_text[m_at] != c)
            return false;
        ++m_at;
        return true;
    }
    bool takeAny(std::initializer_list<char16_t> any)
    {
        return std::any_of(any.begin(), any.end(), [this](char16_t c) { return take(c); });
    }
    // Exactly `count` digits.
    bool number(int count, int& value)
    {
        value = 0;
        for (int i = 0; i < count; ++i) {
            if (atEnd() || !isDigit(m_text[m_at]))
                return false;
            value = value * 10 + (m_text[m_at++].unicode() - u'0');
        }
        return true;
    }
    // One to `most` digits, as nanoseconds when they follow a decimal point.
    bool fraction(int most, long& nanoseconds)
    {
        nanoseconds = 0;
        int count = 0;
        while (!atEnd() && isDigit(m_text[m_at]) && count < most) {
            nanoseconds = nanoseconds * 10 + (m_text[m_at++].unicode() - u'0');
            ++count;
        }
        if (count == 0 || (!atEnd() && isDigit(m_text[m_at])))
            return false;
        for (int d = count; d < 9; ++d)
            nanoseconds *= 10;
        return true;
    }

private:
    static bool isDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }
    QStringView m_text;
    qsizetype m_at = 0;
};

// "Z", or an offset as seconds east of UTC.
std::optional<long> readOffset(Cursor& cursor)
{
    if (cursor.takeAny({u'Z', u'z'}))
        return 0;
    const bool east = cursor.take(u'+');
    if (!east && !cursor.take(u'-'))
        return std::nullopt;
    int hours = 0;
    int minutes = 0;
    if (!cursor.number(2, hours) || hours > 23)
        return std::nullopt;
    if (!cursor.atEnd()) {
        const bool colon = cursor.take(u':');
        if (!cursor.number(2, minutes) || minutes > 59 || (!colon && !cursor.atEnd()))
            return std::nullopt;
    }
    const long offset = hours * 3600L + minutes * 60L;
    return east ? offset : -offset;
}

} // namespace

qint64 instantBefore(qint64 now, int count, SpanUnit unit)
{
    qint64 unitLength = 0;
    switch (unit) {
    case SpanUnit::Minutes:
        unitLength = 60 * kBillion;
        break;
    case SpanUnit::Hours:
        unitLength = 3600 * kBillion;
        break;
    case SpanUnit::Days:
        unitLength = kDay * kBillion;
        break;
    case SpanUnit::Weeks:
        unitLength = 7 * kDay * kBillion;
        break;
    case SpanUnit::Months:
        return monthsBefore(now, count);
    case SpanUnit::Years:
        return monthsBefore(now, 12LL * count);
    }
    qint64 span = 0;
    qint64 then = 0;
    if (__builtin_mul_overflow(unitLength, qint64(count), &span)
        || __builtin_sub_overflow(now, span, &then))
        return count > 0 ? kEarliest : kLatest;
    return std::clamp(then, kEarliest, kLatest);
}

std::optional<qint64> parseIsoInstant(QStringView text)
{
    Cursor cursor(text);
    int year = 0;
    int month = 0;
    int day = 0;
    if (!cursor.number(4, year) || !cursor.take(u'-') || !cursor.number(2, month)
        || !cursor.take(u'-') || !cursor.number(2, day) || month < 1 || month > 12 || day < 1
        || static_cast<unsigned>(day) > daysInMonth(year, static_cast<unsigned>(month)))
        return std::nullopt;
    const long long days =
        daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    if (cursor.atEnd())
        return instantKey(timespec{fromLocal(days * kDay), 0});

    int hour = 0;
    int minute = 0;
    int second = 0;
    long nanoseconds = 0;
    if (!cursor.takeAny({u'T', u't', u' '}) || !cursor.number(2, hour) || hour > 23
        || !cursor.take(u':') || !cursor.number(2, minute) || minute > 59)
        return std::nullopt;
    if (cursor.take(u':')) {
        if (!cursor.number(2, second) || second > 59)
            return std::nullopt;
        if (cursor.takeAny({u'.', u','}) && !cursor.fraction(9, nanoseconds))
            return std::nullopt;
    }
    const long long local = days * kDay + hour * 3600LL + minute * 60LL + second;
    if (cursor.atEnd())
        return instantKey(timespec{fromLocal(local), nanoseconds});
    const std::optional<long> offset = readOffset(cursor);
    if (!offset || !cursor.atEnd())
        return std::nullopt;
    return instantKey(timespec{static_cast<time_t>(local - *offset), nanoseconds});
}

std::optional<qint64> parseWhen(QStringView text, qint64 now)
{
    if (const std::optional<qint64> instant = parseIsoInstant(text))
        return instant;
    qsizetype digits = 0;
    long long count = 0;
    while (digits < text.size() && text[digits].unicode() >= u'0' && text[digits].unicode() <= u'9'
           && count <= INT_MAX) {
        count = count * 10 + (text[digits].unicode() - u'0');
        ++digits;
    }
    if (digits == 0 || count < 1 || count > INT_MAX)
        return std::nullopt;
    const struct {
        const char16_t* word;
        SpanUnit unit;
    } units[] = {{u"m", SpanUnit::Minutes}, {u"h", SpanUnit::Hours},   {u"d", SpanUnit::Days},
                 {u"w", SpanUnit::Weeks},   {u"mo", SpanUnit::Months}, {u"y", SpanUnit::Years}};
    const QStringView word = text.sliced(digits);
    for (const auto& [name, unit] : units) {
        if (word == QStringView(name))
            return instantBefore(now, static_cast<int>(count), unit);
    }
    return std::nullopt;
}

bool InstantRange::contains(qint64 instant) const
{
    if (instant == kNoBound)
        return isOpen(); // no date: only a range without bounds lets it pass
    return (after == kNoBound || instant > after) && (before == kNoBound || instant < before);
}

} // namespace quillfen
