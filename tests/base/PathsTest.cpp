#include "base/Paths.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

using namespace quillfen;

namespace {
struct Case {
    const char* in;
    const char* out;
};
} // namespace

TEST(removeDoubledSeparators, BackslashRules)
{
    const Case cases[] = {
        {"C:\\\\x\\\\y", "C:\\x\\y"},             // doubled after the drive and further on
        {"C:\\\\\\x", "C:\\\\x"},                 // three become two: one pass over pairs
        {"C:\\\\\\\\x", "C:\\\\x"},               // four become two
        {"\\x", "\\\\x"},                         // one leading backslash becomes two
        {"\\\\\\\\srv\\share", "\\\\srv\\share"}, // four leading become two
        {"\\\\srv\\\\share", "\\\\srv\\share"},
        {"\\\\\\", "\\\\"}, // only backslashes
        {"", ""},
        {"C:\\a", "C:\\a"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(removeDoubledSeparators(c.in, u'\\'), QString(c.out)) << c.in;
}

TEST(removeDoubledSeparators, SlashRules)
{
    const Case cases[] = {
        {"//a", "/a"}, // a leading run becomes the one root slash
        {"///a//b", "/a/b"}, {"/a///b", "/a//b"}, {"a//b", "a/b"},
        {"//", "/"},         {"/", "/"},          {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(removeDoubledSeparators(c.in, u'/'), QString(c.out)) << c.in;
}

TEST(fileNameOfPath, TakesThePartAfterTheLastSeparator)
{
    EXPECT_EQ(fileNameOfPath("C:\\a\\b.txt", u'\\'), "b.txt");
    EXPECT_EQ(fileNameOfPath("b.txt", u'\\'), "b.txt");
    EXPECT_EQ(fileNameOfPath("C:\\a\\", u'\\'), "");
    EXPECT_EQ(fileNameOfPath("\\\\srv\\share\\x", u'\\'), "x");
    EXPECT_EQ(fileNameOfPath("/home/u/notes.txt"), "notes.txt");
    EXPECT_EQ(fileNameOfPath("/home/u/"), "");
    EXPECT_EQ(fileNameOfPath("a\\b"), "a\\b"); // only the native separator counts
}
