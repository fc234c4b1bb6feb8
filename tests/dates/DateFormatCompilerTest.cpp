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
    // The zone goes with whatever encloses or introduces it, wherever the locale puts it.
    const std::pair<const char*, const char*> zones[] = {
        {"h:mm:ss AP t", "h:mm:ss AP"},
        {"HH:mm:ss tttt", "HH:mm:ss"},
        {"H 'Uhr' mm", "H 'Uhr' mm"},
        {"H:mm:ss 't'", "H:mm:ss 't'"},
        {"'Klock' H.mm:ss (t)", "'Klock' H.mm:ss"},
        {"APh:mm:ss [t]", "APh:mm:ss"},
        {"HH:mm:ss, t", "HH:mm:ss"},
        {"h:mm:ss AP, t", "h:mm:ss AP"},
        {"t HH:mm:ss", "HH:mm:ss"},
        {"t APh:mm:ss", "APh:mm:ss"},
        {"HH 'h' mm 'min' ss 's' t", "HH 'h' mm 'min' ss 's'"},
    };
    for (const auto& [format, withoutZone] : zones)
        EXPECT_EQ(withoutTimeZone(format), withoutZone) << format;
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
