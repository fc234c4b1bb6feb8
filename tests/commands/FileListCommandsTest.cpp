#include "commands/FileListCommands.h"
#include "base/Texts.h"
#include "desktop/QtDialogs.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

class FileListCommands : public WindowFixture {
protected:
    QStringList listed() const
    {
        QStringList paths;
        const RowModel& rows = const_cast<FileListCommands*>(this)->mainWindow().fileList().rows();
        for (int i = 0; i < rows.rows(); ++i)
            paths.append(rows.text(i));
        return paths;
    }
};

} // namespace

TEST_F(FileListCommands, CancelAddsNothingAndShowsNothing)
{
    MainWindow& window = start();
    window.addFilesButton()->click();
    EXPECT_EQ(window.fileList().rows().rows(), 0);
    EXPECT_TRUE(desktop.messages->shown.empty());
    EXPECT_EQ(desktop.fileDialogs->titles,
              QStringList("Add File(s) - Hold Ctrl to select multiple files"));
    EXPECT_EQ(desktop.fileDialogs->filters, QStringList("All Files (*.*)|*.*|"));
}

TEST_F(FileListCommands, OnePickIsAppendedUnchangedAndTwiceGivesTwoEntries)
{
    start();
    desktop.fileDialogs->openAnswers = {{"/home/u//odd name.txt"}, {"/home/u//odd name.txt"}};
    mainWindow().addFilesButton()->click();
    mainWindow().addFilesButton()->click();
    EXPECT_EQ(listed(), QStringList({"/home/u//odd name.txt", "/home/u//odd name.txt"}));
}

TEST_F(FileListCommands, SeveralPicksGoInCleanedInTheDialogsOrder)
{
    start();
    desktop.fileDialogs->openAnswers = {{"//c", "/a", "/b"}, {"/srv/x/1.txt", "/srv//x/2.txt"}};
    mainWindow().addFilesButton()->click();
    mainWindow().addFilesButton()->click();
    EXPECT_EQ(listed(), QStringList({"/c", "/a", "/b", "/srv/x/1.txt", "/srv/x/2.txt"}));
}

TEST_F(FileListCommands, TooManyFilesShowsItsOwnMessage)
{
    start();
    desktop.fileDialogs->tooManyFiles = true;
    mainWindow().addFilesButton()->click();
    ASSERT_EQ(desktop.messages->shown.size(), 1u);
    EXPECT_EQ(desktop.messages->shown[0].text,
              "You've selected too many files to add.\r\rPlease try adding via the \"Add All\" "
              "button.");
    EXPECT_EQ(desktop.messages->shown[0].caption, "Quillfen");
    EXPECT_EQ(mainWindow().fileList().rows().rows(), 0);
}

TEST_F(FileListCommands, ClearListAndDoubleClickDoNothingWhileBusy)
{
    MainWindow& window = start();
    addFiles({"/a", "/b", "/c"});
    window.fileList().selectRow(1);
    window.setPointer(WindowPointer::Hourglass);
    window.clearListButton()->click();
    window.removeCurrentFile();
    EXPECT_EQ(listed(), QStringList({"/a", "/b", "/c"}));

    window.setPointer(WindowPointer::Default);
    window.removeCurrentFile();
    EXPECT_EQ(listed(), QStringList({"/a", "/c"}));
    window.clearListButton()->click();
    EXPECT_TRUE(listed().isEmpty());
    window.clearListButton()->click(); // on an empty list: nothing, no report
    EXPECT_TRUE(desktop.messages->shown.empty());
}

TEST_F(FileListCommands, DoubleClickOnTheViewRemovesTheEntryUnderThePointer)
{
    MainWindow& window = start();
    addFiles({"/a", "/b", "/c"});
    window.show();
    ListControl& list = window.fileList();
    const QPoint second = list.visualRect(list.rows().index(1, 0)).center();
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(listed(), QStringList({"/a", "/c"}));
    window.fileList().clearSelection();
    window.removeCurrentFile(); // nothing selected: nothing removed
    EXPECT_EQ(listed().size(), 2);
}

TEST_F(FileListCommands, PickedFilesKeepTheirFoldersAndTheDialogsStartAtHome)
{
    // A dialog's "Recent" view or a desktop portal picks files from anywhere.
    const QStringList picked{"/home/ann/notes/a.txt", "/srv/share/b.txt", "/c.txt"};
    QStringList startFolders;
    desktop.platform.fileDialogs = std::make_unique<QtFileDialogs>(
        [&](QtFileDialogs::Mode, const QString&, const QStringList&, const QString& folder) {
            startFolders.append(folder);
            return picked;
        });
    start();
    mainWindow().addFilesButton()->click();
    mainWindow().addFilesButton()->click();
    EXPECT_EQ(listed(), picked + picked);
    // Not the folder the program was started from: home first, then where the user was.
    EXPECT_EQ(startFolders, QStringList({QDir::homePath(), "/home/ann/notes"}));
}
