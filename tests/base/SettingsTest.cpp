#include "base/Settings.h"
#include "base/Failure.h"

#include <gtest/gtest.h>

using namespace quillfen;

TEST(SettingsNumber, ConvertsStoredTexts)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {{"1", 1},   {"0", 0},   {" 2 ", 2},  {"1.4", 1}, {"0.5", 0},
                 {"1.5", 2}, {"2.5", 2}, {"-0.5", 0}, {"3.5", 4}, {"\t1\t", 1}};
    for (const auto& c : cases)
        EXPECT_EQ(settings::toWholeNumber(c.text), c.expected) << c.text;
}

TEST(SettingsNumber, RejectsTextsThatAreNotNumbers)
{
    for (const char* text : {"", "yes", "1x", "nan", "inf", "40000", "1,5"})
        EXPECT_THROW(settings::toWholeNumber(text), Failure) << text;
}
