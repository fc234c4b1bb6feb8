#include "base/Failure.h"
#include "desktop/QtDesktop.h"
#include "support/TempTree.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace quillfen;

TEST(IniSettingsStore, RoundTripsTextsAndKeepsStoredEmptyText)
{
    test::TempTree tree;
    IniSettingsStore store(tree.root());
    EXPECT_EQ(store.get("Orvane", "Quillfen", "Extension", "*"), "*");
    const QString awkward = "/a b/c, d|/e=f;g\"h'|/ü/日本";
    store.save("Orvane", "Quillfen", "Snapshot", awkward);
    store.save("Orvane", "Quillfen", "LastFolder", "");
    IniSettingsStore again(tree.root());
    EXPECT_EQ(again.get("Orvane", "Quillfen", "Snapshot", "x"), awkward);
    EXPECT_EQ(again.get("Orvane", "Quillfen", "LastFolder", "x"), QString());
    EXPECT_TRUE(QFile::exists(tree.path("Orvane.ini")));
}

TEST(IniSettingsStore, HandTypedListReadsBackAsOneText)
{
    test::TempTree tree;
    tree.file("Orvane.ini", "[Quillfen]\nExtension=txt, doc\n");
    IniSettingsStore store(tree.root());
    EXPECT_EQ(store.get("Orvane", "Quillfen", "Extension", "*"), "txt, doc");
}

TEST(IniSettingsStore, FailedWriteIsAFailureNotASilentLoss)
{
    test::TempTree tree;
    tree.file("not-a-folder", "x");
    IniSettingsStore store(tree.path("not-a-folder"));
    EXPECT_THROW(store.save("Orvane", "Quillfen", "Check1", "1"), Failure);
}
