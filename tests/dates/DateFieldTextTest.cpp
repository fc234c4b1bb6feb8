// The test programs run with TZ=Europe/Berlin and an en_US locale (see TestEnvironment.cpp).

#include "dates/DateFieldText.h"
#include "dates/LocalTime.h"

#include <QDate>

#include <ostream>

#include <gtest/gtest.h>

using namespace quillfen;

namespace {

constexpr qint64 kSecond = 1'000'000'000;

// Nanoseconds since 1970 of a UTC date and time.
qint64 utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return (daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 86400
            + hour * 3600 + minute * 60 + second)
        * kSecond;
}

struct FieldCase {
    const char* text;
    const char* locale;
    std::optional<InstantSpan> span;
};

void PrintTo(const FieldCase& c, std::ostream* out)
{
    *out << '"' << c.text << "\" in " << c.locale;
}

class DateField : public testing::TestWithParam<FieldCase> {};

TEST_P(DateField, NamesTheSpanOfItsPrecision)
{
    const FieldCase& c = GetParam();
    EXPECT_EQ(parseDateField(QString::fromUtf8(c.text), QLocale(QLatin1String(c.locale))), c.span)
        << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DateField,
    testing::Values(
        // The spring day has 23 hours, the autumn one 25.
        FieldCase{"2024-03-31", "en_US", InstantSpan{utc(2024, 3, 30, 23), utc(2024, 3, 31, 22)}},
        FieldCase{"10/27/2024", "en_US", InstantSpan{utc(2024, 10, 26, 22), utc(2024, 10, 27, 23)}},
        FieldCase{"27.10.24", "de_DE", InstantSpan{utc(2024, 10, 26, 22), utc(2024, 10, 27, 23)}},
        // A two-digit year is this century's, not the last one's.
        FieldCase{"3/1/26", "en_US", InstantSpan{utc(2026, 2, 28, 23), utc(2026, 3, 1, 23)}},
        FieldCase{"2024-07-01 14:30", "en_US",
                  InstantSpan{utc(2024, 7, 1, 12, 30), utc(2024, 7, 1, 12, 31)}},
        FieldCase{"7/1/2024 2:30 PM", "en_US",
                  InstantSpan{utc(2024, 7, 1, 12, 30), utc(2024, 7, 1, 12, 31)}},
        FieldCase{"2024-01-01T00:00:59", "en_US",
                  InstantSpan{utc(2023, 12, 31, 23, 0, 59), utc(2023, 12, 31, 23, 1)}},
        FieldCase{"  2024-01-01 ", "en_US",
                  InstantSpan{utc(2023, 12, 31, 23), utc(2024, 1, 1, 23)}},
        FieldCase{"", "en_US", std::nullopt}, FieldCase{"yesterday", "en_US", std::nullopt},
        FieldCase{"13/45/2024", "en_US", std::nullopt},
        FieldCase{"2024-02-30", "en_US", std::nullopt}),
    [](const testing::TestParamInfo<FieldCase>& param) { return std::to_string(param.index); });

// What a timeline bar writes into the fields reads back as the same period.
TEST(DateFieldTexts, ReadBackAsTheSamePeriod)
{
    const QLocale locale(QLatin1String("en_US"));
    const struct {
        qint64 first;
        qint64 last;
        const char* firstText;
    } periods[] = {
        {utc(2024, 10, 26, 22), utc(2024, 10, 27, 23) - 1, "10/27/2024"},
        {utc(2024, 7, 1, 12), utc(2024, 7, 1, 13) - 1, "7/1/2024 2:00 PM"},
        {utc(2024, 7, 1, 12, 0, 5), utc(2024, 7, 1, 12, 0, 9) - 1, "7/1/2024 2:00:05 PM"},
    };
    for (const auto& period : periods) {
        const DateFieldTexts texts = dateFieldTexts(period.first, period.last, locale);
        EXPECT_EQ(texts.first, QLatin1String(period.firstText));
        const auto first = parseDateField(texts.first, locale);
        const auto last = parseDateField(texts.last, locale);
        ASSERT_TRUE(first && last) << texts.first.toStdString() << texts.last.toStdString();
        EXPECT_EQ(first->first, period.first);
        EXPECT_EQ(last->end, period.last + 1);
    }
}

} // namespace
