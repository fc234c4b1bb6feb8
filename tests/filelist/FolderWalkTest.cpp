#include "filelist/FolderWalk.h"
#include "support/FakePlatform.h"
#include "support/Printers.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

// Every file of a walk, in order, with the event rounds standing still (every folder comes
// from the listings read ahead) or moving at every yield (every folder read afresh).
QStringList walk(const QString& folder, bool roundsMove)
{
    FakeMessageBoxes reports;
    quint64 rounds = 0;
    FolderWalk walker([&] { rounds += roundsMove ? 1 : 0; }, [&] { return rounds; }, reports);
    QStringList paths;
    walker.addTree(folder, WildcardPattern(QStringLiteral("*")), [&](const auto& block) {
        qsizetype begin = 0;
        for (const quint32 end : block.ends) {
            paths.append(QString::fromUtf8(block.utf8.sliced(begin, end - begin)));
            begin = end;
        }
    });
    EXPECT_TRUE(reports.shown.empty());
    return paths;
}

} // namespace

TEST(FolderWalk, ReadingAheadListsWhatReadingEachFolderAfreshLists)
{
    // Wide and deep enough for many batches of folders, with empty folders, links to folders
    // (one of them a cycle) and a dangling link.
    TempTree tree;
    for (int a = 0; a < 6; ++a) {
        for (int b = 0; b < 6; ++b) {
            for (int c = 0; c < 4; ++c)
                tree.file(QStringLiteral("T/a%1/b%2/f%3.txt").arg(a).arg(b).arg(c));
            tree.folder(QStringLiteral("T/a%1/b%2/empty").arg(a).arg(b));
        }
    }
    tree.symlink(tree.path("T"), "T/a1/up");
    tree.symlink(tree.path("T/a2"), "T/a3/to a2");
    tree.symlink(tree.path("T/missing"), "T/a4/dangling");

    const QStringList ahead = walk(tree.path("T"), false);
    const QStringList afresh = walk(tree.path("T"), true);
    EXPECT_EQ(ahead.size(), 6 * 6 * 4);
    EXPECT_EQ(ahead, afresh);
}
