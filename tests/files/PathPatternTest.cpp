#include "files/PathPattern.h"

#include <gtest/gtest.h>

using namespace quillfen;

TEST(PathPattern, TextAnywhereWildcardsOnTheNameOrWithASlashOnThePath)
{
    const struct {
        const char* pattern;
        const char* path;
        bool matches;
    } cases[] = {
        // clang-format off
        {"", "/any/thing", true},
        {"report", "/home/ann/Reports/a.txt", true},      // anywhere, any case
        {"REPORT", "/home/ann/reports", true},
        {"ann/rep", "/home/ann/Reports/a.txt", true},     // across the parts
        {"report", "/home/ann/repor", false},
        {"äRGER", "/x/Ärger.doc", true},
        {"k", "/x/\u212A.txt", true},                      // KELVIN SIGN folds to k
        {"\u212A", "/x/k.txt", true},
        {"report", "/B\u00fccher/REPORT.txt", true},        // ASCII text, path beyond ASCII
        {"sk", "/B\u00fccher/\u017F\u212A", true},           // LONG S and KELVIN SIGN
        {"sk", "/B\u00fccher/s\u00e9k", false},
        {"日本", "/x/資料日本.txt", true},
        {"RÉSUMÉ", "/x/a r\u00e9sum\u00e9.log", true},      // beyond ASCII, any case
        {"résumé", "/x/résum.txt", false},
        {"résumé", "/x/ré\u017Fumé", true},                 // LONG S in its ASCII part
        {"ß", "/x/strasse", false},                       // folding keeps one letter one
        {"*.txt", "/home/ann/A.TXT", true},               // the whole name
        {"*.txt", "/home/ann/a.txt.bak", false},
        {"a*", "/home/ann/b.txt", false},                 // not the folder's "ann"
        {"?.txt", "/x/ab.txt", false},
        {"*/ann/*.txt", "/home/ann/sub/a.txt", true},     // the whole path; * runs over /
        {"*/ann/*.txt", "/home/bob/a.txt", false},
        {"/home/*", "/home/a", true},
        {"home/*", "/home/a", false},                      // the whole path, from its start
        // clang-format on
    };
    for (const auto& c : cases) {
        const PathPattern pattern(QString::fromUtf8(c.pattern));
        EXPECT_EQ(pattern.matches(QString::fromUtf8(c.path)), c.matches)
            << c.pattern << " " << c.path;
        EXPECT_EQ(pattern.matchesUtf8(c.path), c.matches) << c.pattern << " " << c.path;
        EXPECT_EQ(pattern.matchesEverything(), *c.pattern == 0) << c.pattern;
    }
    // A name that is not UTF-8 is still matched on the bytes that are.
    EXPECT_TRUE(PathPattern(QStringLiteral("odd")).matchesUtf8("/x/ODD \xff.txt"));
    EXPECT_TRUE(PathPattern(QStringLiteral("*.txt")).matchesUtf8("/x/\xfe\xff.txt"));
}
