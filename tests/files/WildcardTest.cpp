#include "files/Wildcard.h"
#include "files/FileAttributes.h"
#include "files/FolderWalk.h"
#include "support/Printers.h"

#include <sys/sysmacros.h>

#include <gtest/gtest.h>

using namespace quillfen;

TEST(WildcardPattern, WindowsRulesWithoutRegardToCase)
{
    const struct {
        const char* pattern;
        const char* name;
        bool matches;
    } cases[] = {
        // clang-format off
        {"*.*", "README", true},         {"*.*", ".hidden", true},
        {"*.*", "a.b.c", true},          {"*.txt", "notes.txt", true},
        {"*.txt", "NOTES.TXT", true},    {"*.txt", ".txt", true},
        {"*.txt", "notes.txt.bak", false}, {"*.txt", "notestxt", false},
        {"*.doc", "Ärger.DOC", true},    {"*.ÄÖ", "x.äö", true},
        {"*..txt", "a.txt", false},      {"*..txt", "a..txt", true},
        {"*.t?t", "a.txt", true},        {"*.t?t", "a.tt", false},
        {"*.*t", "a.txt", true},         {"*.a*b*c", "x.aXbYc", true},
        {"*.a*b*c", "x.aXbY", false},    {"*.?", "x.", false},
        {"*.日本", "資料.日本", true},
        {"*.k", "x.\u212A", true},         // KELVIN SIGN folds to k
        // A "*" in the name does not stop the pattern's "*" from being a wildcard.
        {"*.p*", "a.p*..*x", true},      {"*.*x", "*.*yx", true},
        {"*.t*t", "a.t*", false},
        // clang-format on
    };
    for (const auto& c : cases) {
        const WildcardPattern pattern(QString::fromUtf8(c.pattern));
        EXPECT_EQ(pattern.matches(QString::fromUtf8(c.name)), c.matches)
            << c.pattern << " " << c.name;
        EXPECT_EQ(pattern.matchesUtf8(c.name), c.matches) << c.pattern << " " << c.name;
    }
}

TEST(NamePatterns, ExtensionAnswersAsPeopleTypeThem)
{
    const struct {
        const char* answer;
        QStringList kept; // of a.txt, b.TXT, c.log, d.jpg, e.png, f, g.tar.gz
    } cases[] = {
        {"txt", {"a.txt", "b.TXT"}},
        {"*.txt", {"a.txt", "b.TXT"}},
        {".txt", {"a.txt", "b.TXT"}},
        {"tx?", {"a.txt", "b.TXT"}},
        {"txt;log", {"a.txt", "b.TXT", "c.log"}},
        {"txt, log", {"a.txt", "b.TXT", "c.log"}},
        {"jpg png", {"d.jpg", "e.png"}},
        {" *.jpg ;; .png,", {"d.jpg", "e.png"}},
        {"txt txt", {"a.txt", "b.TXT"}}, // each file once
        {"*", {"a.txt", "b.TXT", "c.log", "d.jpg", "e.png", "f", "g.tar.gz"}},
        {"*.*", {"a.txt", "b.TXT", "c.log", "d.jpg", "e.png", "f", "g.tar.gz"}},
        {"tar.gz", {"g.tar.gz"}},
        {";", {}},
    };
    const QStringList names{"a.txt", "b.TXT", "c.log", "d.jpg", "e.png", "f", "g.tar.gz"};
    for (const auto& [answer, kept] : cases) {
        const NamePatterns patterns = NamePatterns::forExtensions(QString::fromUtf8(answer));
        QStringList got;
        for (const QString& name : names) {
            if (patterns.matches(name) && patterns.matchesUtf8(name.toUtf8()))
                got.append(name);
        }
        EXPECT_EQ(got, kept) << answer;
    }
}

TEST(WildcardPattern, ManyStarsStayFast)
{
    const WildcardPattern pattern("*.*a*a*a*a*a*a*a*a*a*a*b");
    EXPECT_FALSE(pattern.matches(QString(".") + QString(5000, 'a')));
}

TEST(hasBadNameChars, ControlCharactersAndInvalidUtf8)
{
    const struct {
        QByteArray name;
        bool bad;
    } cases[] = {
        {"plain", false},     {"with space", false}, {"Ärger", false},    {"日本語", false},
        {"why?", false},      {"tab\there", true},   {"new\nline", true}, {"del\x7f", true},
        {"c1\xc2\x85", true}, {"\xff\xfe", true},    {"\xc3", true},      {"nbsp\xc2\xa0ok", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hasBadNameChars(c.name), c.bad) << c.name.toStdString();
}

TEST(MountTable, KnowsVirtualDevicesByTypeName)
{
    const QByteArray info = "22 1 0:21 / /proc rw,nosuid shared:12 - proc proc rw\n"
                            "23 1 0:5 / /dev rw,nosuid shared:2 - devtmpfs udev rw,size=1k\n"
                            "24 1 0:30 / /tmp rw shared:5 - tmpfs tmpfs rw\n"
                            "25 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n";
    const MountTable mounts = MountTable::fromMountInfo(info);
    EXPECT_TRUE(mounts.isVirtual(makedev(0, 21)));
    EXPECT_TRUE(mounts.isVirtual(makedev(0, 5)));
    EXPECT_FALSE(mounts.isVirtual(makedev(0, 30)));
    EXPECT_FALSE(mounts.isVirtual(makedev(8, 1)));
}
