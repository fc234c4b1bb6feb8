#include "files/FolderWalk.h"
#include "support/TempTree.h"
#include "support/Unprivileged.h"
#include "support/WindowFixture.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

class FolderScan : public WindowFixture {
protected:
    QStringList listed()
    {
        QStringList paths;
        const RowModel& rows = mainWindow().fileList().rows();
        for (int i = 0; i < rows.rows(); ++i)
            paths.append(rows.text(i));
        return paths;
    }
    // Scans `folder` for `extension` through the real command.
    void scan(const QString& extension, const QString& folder)
    {
        desktop.input->answers = {extension};
        desktop.folderBrowser->answers = {folder};
        mainWindow().addFolderButton()->click();
    }
    // The entries of a folder in the order the file system gives them.
    static QStringList fileSystemOrder(const QString& folder)
    {
        QStringList names;
        DIR* dir = ::opendir(QFile::encodeName(folder).constData());
        while (const dirent* entry = ::readdir(dir)) {
            const QString name = QFile::decodeName(entry->d_name);
            if (name != "." && name != "..")
                names.append(name);
        }
        ::closedir(dir);
        return names;
    }
    static void chmodPath(const QString& path, mode_t mode)
    {
        ::chmod(QFile::encodeName(path).constData(), mode);
    }

    TempTree tree;
};

} // namespace

TEST_F(FolderScan, WalksBreadthFirstGroupedByParent)
{
    tree.file("R/r.txt");
    tree.file("R/b/b.txt");
    tree.file("R/a/a.txt");
    tree.file("R/a/x/x.txt");
    tree.file("R/b/y/y.txt");
    start();
    scan("txt", tree.path("R"));
    QStringList expected{tree.path("R/r.txt")};
    const QStringList level1 = fileSystemOrder(tree.path("R"));
    QStringList level2;
    for (const QString& name : level1) {
        if (name.endsWith(".txt"))
            continue;
        expected.append(tree.path("R/" + name + "/" + name + ".txt"));
        level2.append(name == "a" ? tree.path("R/a/x/x.txt") : tree.path("R/b/y/y.txt"));
    }
    EXPECT_EQ(listed(), expected + level2);
    EXPECT_EQ(mainWindow().pointer(), WindowPointer::Default);
    EXPECT_TRUE(desktop.messages->shown.empty());
}

TEST_F(FolderScan, FolderChangedWhileTheWalkYieldsIsListedAsItIsThen)
{
    tree.file("R/old.txt");
    tree.file("R/sub/s.txt");
    start();
    // The first yield is the walk's, at the chosen folder, before its entries are taken.
    desktop.yield->onYield = [&](int count) {
        if (count == 1) {
            tree.file("R/new.txt");
            QFile::remove(tree.path("R/old.txt"));
        }
    };
    scan("txt", tree.path("R"));
    EXPECT_EQ(listed(), QStringList({tree.path("R/new.txt"), tree.path("R/sub/s.txt")}));
}

TEST_F(FolderScan, StarAddsEveryNameAndTheFiltersApply)
{
    tree.file("R/README");
    tree.file("R/a.TXT");
    tree.file("R/~lock.txt");
    tree.file("R/x~y.txt");
    tree.file("R/.hidden-writable");
    const QString readOnly = tree.file("R/.hidden-read-only");
    chmodPath(readOnly, 0444);
    tree.symlink(tree.path("R/README"), "R/.hidden-link");
    tree.fifo("R/pipe");
    tree.symlink(tree.path("R/missing"), "R/dangling");
    start();
    scan("*", tree.path("R"));
    QStringList got = listed();
    got.sort();
    QStringList expected{tree.path("R/.hidden-link"), tree.path("R/.hidden-read-only"),
                         tree.path("R/README"),       tree.path("R/a.TXT"),
                         tree.path("R/pipe"),         tree.path("R/x~y.txt")};
    expected.sort();
    EXPECT_EQ(got, expected);

    mainWindow().clearListButton()->click();
    scan("txt", tree.path("R"));
    got = listed();
    got.sort();
    EXPECT_EQ(got, QStringList({tree.path("R/a.TXT"), tree.path("R/x~y.txt")}));
}

TEST_F(FolderScan, LinkCyclesEndAndNoFileAppearsTwice)
{
    tree.file("R/a/f.txt");
    tree.file("R/b/g.txt");
    tree.symlink(tree.path("R"), "R/a/up");          // cycle to the top
    tree.symlink(tree.path("R/b"), "R/a/to-b");      // second way to a folder already walked
    tree.symlink(tree.path("R/a/loop"), "R/a/loop"); // a link to itself
    start();
    scan("*", tree.path("R"));
    QStringList got = listed();
    got.sort();
    EXPECT_EQ(got, QStringList({tree.path("R/a/f.txt"), tree.path("R/b/g.txt")}));
}

TEST_F(FolderScan, LinkedFolderOutsideTheTreeIsWalked)
{
    TempTree other;
    other.file("o.txt");
    tree.folder("R");
    tree.symlink(other.root(), "R/elsewhere");
    start();
    scan("*", tree.path("R"));
    EXPECT_EQ(listed(), QStringList(tree.path("R/elsewhere/o.txt")));
}

TEST_F(FolderScan, UnicodeFoldersAreWalkedAndControlCharacterFoldersSkipped)
{
    tree.file("R/Ελληνικά/α.txt");
    tree.file("R/日本/b.txt");
    tree.file("R/Café/c.txt");
    tree.file("R/new\nline/d.txt");
    tree.file("R/tab\tname/e.txt");
    tree.file("R/why?/f.txt");
    start();
    scan("txt", tree.path("R"));
    QStringList got = listed();
    got.sort();
    QStringList expected{tree.path("R/Ελληνικά/α.txt"), tree.path("R/日本/b.txt"),
                         tree.path("R/Café/c.txt"), tree.path("R/why?/f.txt")};
    expected.sort();
    EXPECT_EQ(got, expected);
}

TEST_F(FolderScan, InvalidUtf8NamesAreSkipped)
{
    tree.folder("R");
    const QByteArray root = QFile::encodeName(tree.path("R"));
    ASSERT_EQ(::mkdir(root + "/bad\xff", 0755), 0);
    QFile(QFile::decodeName(root + "/ok.txt")).open(QIODevice::WriteOnly);
    FILE* raw = ::fopen(root + "/bad\xff/x.txt", "w");
    ASSERT_NE(raw, nullptr);
    ::fclose(raw);
    raw = ::fopen(root + "/file\xfe.txt", "w");
    ::fclose(raw);
    start();
    scan("txt", tree.path("R"));
    EXPECT_EQ(listed(), QStringList(tree.path("R/ok.txt")));
}

TEST_F(FolderScan, UnreadableSubFoldersAreLeftOutWithoutAMessageAndCounted)
{
    tree.file("R/top.txt");
    tree.file("R/.hidden.txt");
    tree.file("R/locked/hidden.txt");
    tree.file("R/locked2/more/hidden.txt");
    tree.file("R/open/seen.txt");
    chmodPath(tree.root(), 0755);
    chmodPath(tree.path("R/locked"), 0);
    chmodPath(tree.path("R/locked2"), 0300); // can enter, cannot list
    start();
    const int result = runUnprivileged([&] {
        scan("txt", tree.path("R"));
        QStringList got = listed();
        got.sort();
        const bool ok = got == QStringList({tree.path("R/open/seen.txt"), tree.path("R/top.txt")})
            && desktop.messages->shown.empty()
            && mainWindow().statusBar()->summary()
                == "Added 2 files from 2 folders; skipped 1 hidden file and 2 folders that "
                   "could not be read"
            && mainWindow().statusBar()->counts() == "2 files listed, 0 result rows, 0 ticked";
        return ok ? 0 : 1;
    });
    chmodPath(tree.path("R/locked"), 0755);
    chmodPath(tree.path("R/locked2"), 0755);
    EXPECT_EQ(result, 0);
}

TEST_F(FolderScan, ChosenFolderThatCannotBeListedAddsNothing)
{
    tree.file("R/a.txt");
    chmodPath(tree.root(), 0755);
    chmodPath(tree.path("R"), 0);
    start();
    const int count = runUnprivileged([&] {
        scan("txt", tree.path("R"));
        return static_cast<int>(listed().size() + desktop.messages->shown.size());
    });
    chmodPath(tree.path("R"), 0755);
    EXPECT_EQ(count, 0);
}

TEST_F(FolderScan, AnswersAreRememberedAndCancelWritesNothing)
{
    tree.file("R/a.txt");
    start();
    mainWindow().addFolderButton()->click(); // prompt cancelled
    EXPECT_TRUE(desktop.settings->writes.filter("Extension").isEmpty());
    ASSERT_EQ(desktop.input->asked.size(), 1u);
    EXPECT_EQ(desktop.input->asked[0].preset, "*");
    EXPECT_EQ(desktop.input->asked[0].caption, "Quillfen");
    EXPECT_EQ(desktop.input->asked[0].prompt,
              "Enter file extension to load:\r\r(* for all files, txt for all txt files, doc for "
              "all doc files, etc.)");

    desktop.input->answers = {"txt"};
    mainWindow().addFolderButton()->click(); // browser cancelled
    EXPECT_EQ(desktop.settings->values[settingsKey("Extension")], "txt");
    EXPECT_FALSE(desktop.settings->values.contains(settingsKey("LastFolder")));
    EXPECT_EQ(desktop.folderBrowser->prompts, QStringList("Please select folder:"));
    EXPECT_EQ(desktop.folderBrowser->initialFolders, QStringList(""));

    scan("txt", tree.path("R"));
    scan("txt", tree.path("R"));
    EXPECT_EQ(desktop.input->asked.back().preset, "txt");
    EXPECT_EQ(desktop.folderBrowser->initialFolders.back(), tree.path("R"));
    EXPECT_EQ(desktop.settings->values[settingsKey("LastFolder")], tree.path("R"));
    EXPECT_EQ(listed(), QStringList({tree.path("R/a.txt"), tree.path("R/a.txt")}));
}

TEST_F(FolderScan, RootFolderGivesSingleSlashPaths)
{
    start();
    const QStringList names = listFilesInFolder("/", WildcardPattern("*.*"));
    // Only the top of "/" matters here: close the window at the first yield after its files
    // are in, which ends the walk.
    desktop.yield->onYield = [&](int) {
        if (mainWindow().fileList().rows().rows() > 0)
            mainWindow().close();
    };
    scan("*", "/");
    // Every file of the top folder as "/name" (those the scan's filters keep).
    ASSERT_FALSE(listed().isEmpty());
    for (const QString& path : listed())
        EXPECT_TRUE(names.contains(path.mid(1)) && path.at(1) != u'/') << path.toStdString();
}

TEST_F(FolderScan, ListFilesInFolderReturnsFilesOnly)
{
    tree.file("S/one.txt");
    tree.file("S/.two");
    tree.folder("S/sub");
    tree.symlink(tree.path("S/sub"), "S/link-to-folder");
    tree.symlink(tree.path("S/one.txt"), "S/link-to-file");
    QStringList names = listFilesInFolder(tree.path("S"), WildcardPattern("*.*"));
    names.sort();
    EXPECT_EQ(names, QStringList({".two", "link-to-file", "one.txt"}));
    EXPECT_TRUE(listFilesInFolder(tree.path("missing"), WildcardPattern("*.*")).isEmpty());
}

namespace {

QMimeData* fileDrop(const QStringList& paths)
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data->setUrls(urls);
    return data;
}

} // namespace

TEST_F(FolderScan, DropAppendsFilesUnchangedAndExpandsFoldersInOrder)
{
    tree.file("A/a1");
    tree.file("A/sub/a2");
    tree.file("A/~skipped");
    tree.file("B/b1");
    const QString hiddenFile = tree.file("loose/.hidden");
    const QString tildeFile = tree.file("loose/~tilde");
    start();
    mainWindow().show();
    std::unique_ptr<QMimeData> data(
        fileDrop({tree.path("A"), hiddenFile, tree.path("B"), tree.path("vanished"), tildeFile}));
    QWidget* target = mainWindow().fileList().viewport();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data.get(), Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    EXPECT_TRUE(drop.isAccepted());
    // The drop is taken at once, so the program the drag came from goes on; the walk runs
    // when the window next handles events, after the dragged data is gone.
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(desktop.yield->count, 0);
    data.reset();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(listed(),
              QStringList({tree.path("A/a1"), tree.path("A/sub/a2"), hiddenFile, tree.path("B/b1"),
                           tildeFile}));
    EXPECT_EQ(mainWindow().pointer(), WindowPointer::Default); // a drop does not set the busy state
}

TEST_F(FolderScan, DataWithoutLocalFilesIsRefused)
{
    start();
    mainWindow().show();
    QMimeData text;
    text.setText("/etc/hostname");
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(mainWindow().fileList().viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(mainWindow().fileList().viewport(), &drop);
    EXPECT_EQ(mainWindow().fileList().rows().rows(), 0);

    std::unique_ptr<QMimeData> files(fileDrop({"/etc"}));
    QDragEnterEvent filesEnter(QPoint(10, 10), Qt::CopyAction, files.get(), Qt::LeftButton,
                               Qt::NoModifier);
    QApplication::sendEvent(mainWindow().fileList().viewport(), &filesEnter);
    EXPECT_TRUE(filesEnter.isAccepted());
}
