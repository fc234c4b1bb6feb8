// The test programs run with TZ=Europe/Berlin and an en_US locale (see TestEnvironment.cpp).

#include "commands/ResultsFilter.h"
#include "dates/LocalTime.h"

#include <ostream>

#include <gtest/gtest.h>

using namespace quillfen;

namespace {

using DateTest = FilterConditions::DateTest;
using Unit = FilterConditions::Unit;

constexpr qint64 kSecond = 1'000'000'000;
constexpr int kModifiedId = 0;
constexpr int kCreatedId = 1;

qint64 utc(int year, int month, int day, int hour, int minute = 0)
{
    return (daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 86400
            + hour * 3600 + minute * 60)
        * kSecond;
}

// Around both of Berlin's clock changes in 2024; no row has a created date.
TextTable berlinRows()
{
    TextTable table;
    table.addColumn("Filename");
    table.addColumn("Date Modified", kModifiedId);
    table.addColumn("Date Created", kCreatedId);
    const struct {
        const char* path;
        qint64 modified;
    } rows[] = {
        {"/spring/a.txt", utc(2024, 3, 31, 0, 30)},  // 01:30 CET
        {"/spring/b.log", utc(2024, 3, 31, 1, 30)},  // 03:30 CEST
        {"/autumn/c.txt", utc(2024, 10, 27, 0, 30)}, // 02:30 CEST
        {"/autumn/D.TXT", utc(2024, 10, 27, 1, 30)}, // 02:30 CET
    };
    for (const auto& [path, modified] : rows) {
        table.appendRow(QString::fromUtf8(path));
        table.setSubItemKey(table.rows() - 1, 1, modified);
        table.setSubItemKey(table.rows() - 1, 2, TextTable::kNoKey);
    }
    return table;
}

std::optional<InstantSpan> field(const char* text)
{
    return parseDateField(QString::fromUtf8(text), QLocale(QLatin1String("en_US")));
}

struct FilterCase {
    const char* name;
    FilterConditions conditions;
    qint64 now;
    std::vector<int> passing;
};

void PrintTo(const FilterCase& c, std::ostream* out)
{
    *out << c.name;
}

class RowTest : public testing::TestWithParam<FilterCase> {};

TEST_P(RowTest, PassesTheRowsBothConditionsHoldFor)
{
    const FilterCase& c = GetParam();
    const TextTable table = berlinRows();
    const RowModel::RowTest test = rowTestFor(c.conditions, c.now);
    std::vector<int> passing;
    for (int row = 0; row < table.rows(); ++row) {
        if (!test || test(table, row))
            passing.push_back(row);
    }
    EXPECT_EQ(passing, c.passing) << c.name;
}

FilterConditions on(int column, DateTest test, std::optional<InstantSpan> first,
                    std::optional<InstantSpan> second = {}, QString path = {})
{
    FilterConditions c;
    c.dateColumnId = column;
    c.dateTest = test;
    c.firstDate = first;
    c.secondDate = second;
    c.pathText = std::move(path);
    return c;
}

FilterConditions last(int count, Unit unit)
{
    FilterConditions c = on(kModifiedId, DateTest::InTheLast, {});
    c.count = count;
    c.unit = unit;
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, RowTest,
    testing::Values(
        FilterCase{"the 23-hour day",
                   on(kModifiedId, DateTest::Between, field("3/31/2024"), field("2024-03-31")),
                   0,
                   {0, 1}},
        FilterCase{"the 25-hour day",
                   on(kModifiedId, DateTest::Between, field("2024-10-27"), field("2024-10-27")),
                   0,
                   {2, 3}},
        FilterCase{"before a time after the spring change",
                   on(kModifiedId, DateTest::Before, field("2024-03-31 03:30")),
                   0,
                   {0}},
        FilterCase{"after a day leaves the day out",
                   on(kModifiedId, DateTest::After, field("2024-03-31")),
                   0,
                   {2, 3}},
        FilterCase{"an unfinished field tests nothing",
                   on(kModifiedId, DateTest::Between, field("2024-03-31"), std::nullopt),
                   0,
                   {0, 1, 2, 3}},
        FilterCase{"a day back over the spring change is 24 hours",
                   last(1, Unit::Days),
                   utc(2024, 4, 1, 1, 0),
                   {1}},
        FilterCase{"a month back is a calendar month",
                   last(1, Unit::Months),
                   utc(2024, 11, 26, 23, 45),
                   {2, 3}},
        FilterCase{"an empty cell never passes",
                   on(kCreatedId, DateTest::Before, field("2100-01-01")),
                   0,
                   {}},
        FilterCase{"a column the results lack passes nothing",
                   on(7, DateTest::Before, field("2100-01-01")),
                   0,
                   {}},
        FilterCase{
            "path text in any case, anywhere", on(-1, DateTest::Any, {}, {}, "d.txt"), 0, {3}},
        FilterCase{"both must hold",
                   on(kModifiedId, DateTest::After, field("2024-06-01"), {}, "*.txt"),
                   0,
                   {2, 3}},
        FilterCase{
            "wildcards match the whole name", on(-1, DateTest::Any, {}, {}, "*.log"), 0, {1}}),
    [](const testing::TestParamInfo<FilterCase>& param) { return std::to_string(param.index); });

} // namespace
