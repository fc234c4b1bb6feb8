#include "files/StampPrefetch.h"
#include "support/TempTree.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace quillfen;
using quillfen::test::TempTree;

namespace {

bool sameTimes(const std::optional<FileTimes>& a, const std::optional<FileTimes>& b)
{
    const auto same = [](const timespec& x, const timespec& y) {
        return x.tv_sec == y.tv_sec && x.tv_nsec == y.tv_nsec;
    };
    if (!a || !b)
        return !a && !b;
    return same(a->modified, b->modified) && same(a->accessed, b->accessed)
        && a->created.has_value() == b->created.has_value()
        && (!a->created || same(*a->created, *b->created));
}

// A list of paths as the run sees it: rows read through PathAt.
struct PathList {
    QList<QByteArray> paths;
    StampPrefetch::PathAt reader()
    {
        return [this](int row, QByteArray& out) {
            if (row >= paths.size())
                return false;
            out.append(paths.at(row));
            return true;
        };
    }
};

} // namespace

TEST(StampPrefetch, AnswersEveryRowAsALookupOnTheSpotWould)
{
    TempTree tree;
    PathList list;
    // Enough rows for blocks to grow to their largest, spread over folders, with the paths
    // that have no stamps in between.
    for (int i = 0; i < 3000; ++i) {
        const QString name = QStringLiteral("d%1/f %2.txt").arg(i % 7).arg(i);
        if (i % 500 == 0)
            list.paths.append(QFile::encodeName(tree.path(name)) + "-missing");
        else if (i % 501 == 0)
            list.paths.append(QFile::encodeName(tree.folder(QStringLiteral("d%1").arg(i % 7)))
                              + '/');
        else
            list.paths.append(QFile::encodeName(tree.file(name, "x")));
    }
    StampPrefetch prefetch(list.reader());
    for (int row = 0; row < list.paths.size(); ++row) {
        const QByteArray& path = list.paths.at(row);
        const auto ahead = prefetch.find(row, path, 0);
        ASSERT_TRUE(ahead) << row;
        ASSERT_TRUE(sameTimes(*ahead, readFileTimes(QFile::decodeName(path)))) << row;
    }
    EXPECT_FALSE(prefetch.find(static_cast<int>(list.paths.size()), "/x", 0)); // past the end
}

TEST(StampPrefetch, ReadsAgainOnceEventsWereProcessedOrTheListChanged)
{
    TempTree tree;
    PathList list;
    for (int i = 0; i < 40; ++i)
        list.paths.append(QFile::encodeName(tree.file(QStringLiteral("f%1").arg(i), "x")));
    tree.setTimes("f5", 1000000000, 1000000000);

    StampPrefetch prefetch(list.reader());
    ASSERT_TRUE(prefetch.find(0, list.paths.at(0), 7));
    tree.setTimes("f5", 1600000000, 1600000000);
    // Under the same rounds the row comes as it was read ahead, before the change...
    const auto readAhead = prefetch.find(5, list.paths.at(5), 7);
    ASSERT_TRUE(readAhead && *readAhead);
    EXPECT_EQ((*readAhead)->modified.tv_sec, 1000000000);
    // ...and once events were processed it is read again.
    const auto readAgain = prefetch.find(5, list.paths.at(5), 8);
    ASSERT_TRUE(readAgain && *readAgain);
    EXPECT_EQ((*readAgain)->modified.tv_sec, 1600000000);

    // An entry removed from the list: the row now holds another path.
    list.paths.removeAt(10);
    EXPECT_FALSE(prefetch.find(10, list.paths.at(10), 8));
    // Rows ahead of a change in the list are read for their new paths.
    const auto moved = prefetch.find(30, list.paths.at(30), 9);
    ASSERT_TRUE(moved);
    EXPECT_TRUE(sameTimes(*moved, readFileTimes(QFile::decodeName(list.paths.at(30)))));
}

TEST(StampPrefetch, StopsPromptlyWithBlocksStillQueued)
{
    TempTree tree;
    PathList list;
    const QByteArray path = QFile::encodeName(tree.file("a.txt", "x"));
    for (int i = 0; i < 100000; ++i)
        list.paths.append(path);
    {
        StampPrefetch prefetch(list.reader());
        ASSERT_TRUE(prefetch.find(0, path, 0));
    } // must not hang or read on past its owner
    SUCCEED();
}
