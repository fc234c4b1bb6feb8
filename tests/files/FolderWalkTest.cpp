#include "files/FolderWalk.h"
#include "support/Printers.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

void appendPaths(const FolderWalk::PathBlock& block, QStringList& paths)
{
    qsizetype begin = 0;
    for (const quint32 end : block.ends) {
        paths.append(QString::fromUtf8(block.utf8.sliced(begin, end - begin)));
        begin = end;
    }
}

// Every file of a walk, in order, with the generation standing still (every folder comes
// from the listings read ahead) or moving at every pause (every folder read afresh).
QStringList walk(const QString& folder, bool generationMoves)
{
    quint64 generation = 0;
    FolderWalk walker(
        {.pause = [&] { generation += generationMoves ? 1 : 0; },
         .generation = [&] { return generation; },
         .failed = [](FolderWalk::Stage,
                      const std::exception& error) { ADD_FAILURE() << error.what(); }});
    QStringList paths;
    walker.addTree(folder, WildcardPattern(QStringLiteral("*")),
                   [&](const auto& block) { appendPaths(block, paths); });
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

TEST(FolderWalk, AFailureIsToldWithItsStageAndTheWalkGoesOn)
{
    TempTree tree;
    tree.file("T/top.txt");
    tree.file("T/a/below.txt");
    const struct {
        int failingPause; // 1 is the pause before T's entries are used, 2 the one for "a"
        bool failingSink;
        FolderWalk::Stage stage;
        QStringList listed;
    } cases[] = {
        {1, false, FolderWalk::Stage::Pause, {"T/top.txt", "T/a/below.txt"}},
        {2, false, FolderWalk::Stage::Listing, {"T/top.txt"}},
        {0, true, FolderWalk::Stage::Handing, {"T/a/below.txt"}},
    };
    for (const auto& c : cases) {
        int pauses = 0;
        int sinks = 0;
        std::vector<FolderWalk::Stage> failed;
        FolderWalk walker({.pause =
                               [&] {
                                   if (++pauses == c.failingPause)
                                       throw std::runtime_error("pause");
                               },
                           .failed = [&](FolderWalk::Stage stage,
                                         const std::exception&) { failed.push_back(stage); }});
        QStringList paths;
        walker.addTree(tree.path("T"), WildcardPattern(QStringLiteral("*")),
                       [&](const auto& block) {
                           if (++sinks == 1 && c.failingSink)
                               throw std::runtime_error("sink");
                           appendPaths(block, paths);
                       });
        EXPECT_EQ(failed, std::vector<FolderWalk::Stage>{c.stage});
        EXPECT_EQ(paths.replaceInStrings(tree.root() + "/", ""), c.listed);
    }
}
