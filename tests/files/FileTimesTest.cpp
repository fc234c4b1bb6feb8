// The test programs run with TZ=Europe/Berlin and an en_US locale (see TestMain.cpp).

#include "files/FileTimes.h"
#include "dates/DateTextFormat.h"
#include "support/Stamps.h"
#include "support/TempTree.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

TEST(FileTimes, ReadsTheEntryItself)
{
    TempTree tree;
    tree.file("a.txt", "x");
    tree.setTimes("a.txt", kSummer, kWinter);
    tree.folder("sub");
    tree.setTimes("sub", kWinter, kSummer);
    tree.symlink(tree.path("a.txt"), "link");
    tree.setTimes("link", kBerlinMidnight, kBerlinMidnight);

    const DateTextFormat format;
    EXPECT_EQ(fileDateText(tree.path("a.txt"), StampKind::Modified, format),
              "6/30/2021 4:30:15 PM");
    EXPECT_EQ(fileDateText(tree.path("a.txt"), StampKind::Accessed, format),
              "1/14/2021 5:00:05 PM");
    EXPECT_EQ(fileDateText(tree.path("sub"), StampKind::Modified, format), "1/14/2021 5:00:05 PM");
    EXPECT_EQ(fileDateText(tree.path("link"), StampKind::Modified, format), "8/31/2021");
    const auto times = readFileTimes(tree.path("a.txt"));
    ASSERT_TRUE(times);
    if (times->created) { // where the file system keeps a birth time
        EXPECT_TRUE(fileDateText(tree.path("a.txt"), StampKind::Created, format).has_value());
    }
}

TEST(FileTimes, NothingFoundGivesNoValue)
{
    TempTree tree;
    tree.file("a.txt");
    for (const QString& path : {tree.path("missing"), tree.path("a.txt") + "/", tree.root() + "/",
                                QString(), tree.path("a.txt/x"), QString("relative-missing")}) {
        EXPECT_FALSE(readFileTimes(path)) << path.toStdString();
        EXPECT_FALSE(fileDateText(path, StampKind::Modified)) << path.toStdString();
    }
}

TEST(FileTimes, LooksUpUnicodeNamesExactly)
{
    TempTree tree;
    tree.file("Ärger ?.txt");
    tree.file("日本語.txt");
    EXPECT_TRUE(readFileTimes(tree.path("Ärger ?.txt")));
    EXPECT_TRUE(readFileTimes(tree.path("日本語.txt")));
    EXPECT_FALSE(readFileTimes(tree.path("Ärger x.txt"))); // "?" is no wildcard
}

TEST(FileTimesReader, AgreesWithTheSingleLookupAcrossFolders)
{
    TempTree tree;
    tree.file("a/one");
    tree.file("a/two");
    tree.file("b/three");
    tree.setTimes("a/two", kSummer, kWinter);
    tree.symlink(tree.path("a"), "link-to-a");
    FileTimesReader reader;
    for (const QString& path :
         {tree.path("a/one"), tree.path("a/two"), tree.path("a/missing"), tree.path("b/three"),
          tree.path("a/two"), tree.path("link-to-a/two"), tree.path("a/"), tree.path("a"),
          tree.path("nope/x"), QString("relative-missing"), QString()}) {
        const auto expected = readFileTimes(path);
        const auto got = reader.read(path);
        ASSERT_EQ(got.has_value(), expected.has_value()) << path.toStdString();
        if (got) {
            EXPECT_EQ(got->modified.tv_sec, expected->modified.tv_sec) << path.toStdString();
        }
    }
}

TEST(FileTimesReader, FolderReplacedMeanwhileIsLookedUpAgain)
{
    TempTree tree;
    tree.file("a/old");
    FileTimesReader reader;
    ASSERT_TRUE(reader.read(tree.path("a/old")));
    QDir(tree.path("a")).removeRecursively();
    tree.file("a/new");
    EXPECT_TRUE(reader.read(tree.path("a/new")));
    EXPECT_FALSE(reader.read(tree.path("a/old")));
}
