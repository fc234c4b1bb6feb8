#include "base/AppTitle.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

using namespace quillfen;

TEST(ShortAppTitle, CutsWholeWordsUntilAtMostFortyCharacters)
{
    // 52 characters; the cut stops once the text is 40 or shorter.
    const QString title = "Orvane Quillfen Extract File Dates Modified Accessed";
    EXPECT_EQ(shortAppTitle(title), "Orvane Quillfen Extract File Dates");
    // Already short: still loses its last word.
    EXPECT_EQ(shortAppTitle("Orvane Quillfen Date Extractor Pro 2021"),
              "Orvane Quillfen Date Extractor Pro");
}

TEST(ShortAppTitle, TitleWithoutSpaceIsKept)
{
    EXPECT_EQ(shortAppTitle("Quillfen"), "Quillfen");
    EXPECT_EQ(shortAppTitle(QString(50, 'x')), QString(40, 'x'));
    EXPECT_EQ(shortAppTitle(" Quillfen"), " Quillfen");
}
