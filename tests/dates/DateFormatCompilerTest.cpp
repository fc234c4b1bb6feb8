// The test programs run with TZ=Europe/Berlin and an en_US locale (see TestMain.cpp).

#include "dates/DateFormatCompiler.h"
#include "dates/DateTextFormat.h"
#include "support/Stamps.h"

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

TEST(DateFormats, WidenTheYearAndDropTheTimeZone)
{
    EXPECT_EQ(withFourDigitYear("M/d/yy"), "M/d/yyyy");
    EXPECT_EQ(withFourDigitYear("dd.MM.yyyy"), "dd.MM.yyyy");
    EXPECT_EQ(withFourDigitYear("d 'yy' yy"), "d 'yy' yyyy");
    EXPECT_EQ(withoutTimeZone("h:mm:ss AP t"), "h:mm:ss AP");
    EXPECT_EQ(withoutTimeZone("HH:mm:ss tttt"), "HH:mm:ss");
    EXPECT_EQ(withoutTimeZone("H 'Uhr' mm"), "H 'Uhr' mm");
    const DateTextFormat german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.text(at(kSummer)), "30.06.2021 16:30:15");
}

TEST(DateText, FormatsCompileFieldsAndQuotedText)
{
    std::vector<DateFormatToken> tokens;
    EXPECT_TRUE(compileDateFormat("H 'Uhr' mm ''!", tokens));
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(tokens[1].literal, " Uhr ");
    EXPECT_EQ(tokens[3].literal, " '!");
    EXPECT_FALSE(compileDateFormat("HH:mm:ss.zzz", tokens));
    EXPECT_FALSE(compileDateFormat("d/M/yy", tokens));
}
