#include "commands/ClipboardCommand.h"
#include "desktop/QtDesktop.h"
#include "support/WindowFixture.h"
#include "table/ColumnLayout.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

class ClipboardExport : public WindowFixture {
protected:
    void setExample()
    {
        setResults({"Filename", "Date Modified"},
                   {{"C:\\a.txt", "8/31/2021 10:15:00 AM"},
                    {"C:\\docs\\report.doc", "1/2/2020 3:04:05 PM"}});
    }
};

const QString kExampleText = "C:\\a.txt" + QString(10, ' ')
    + "\t8/31/2021 10:15:00 AM\r\nC:\\docs\\report.doc\t1/2/2020 3:04:05 PM\r\n";

} // namespace

TEST_F(ClipboardExport, CopiesTheTickedRowsAndSaysHowToPaste)
{
    start();
    setExample();
    mainWindow().copyButton()->click();
    EXPECT_EQ(desktop.clipboard->text, kExampleText);
    ASSERT_EQ(desktop.messages->shown.size(), 1u);
    EXPECT_EQ(desktop.messages->shown[0].text,
              "Results have been copied to the clipboard.\r\rClick a text area where you normally "
              "type and press Ctrl+V to paste the clipboard.");
    EXPECT_EQ(desktop.messages->shown[0].caption, "Quillfen");
}

TEST_F(ClipboardExport, EmptyResultsLeaveTheClipboardAloneAndNoTickedRowEmptiesIt)
{
    start();
    mainWindow().copyButton()->click();
    EXPECT_EQ(desktop.clipboard->text, "earlier content");
    EXPECT_EQ(desktop.clipboard->clearAttempts, 0);
    setExample();
    mainWindow().resultsList().rows().setAllChecked(false);
    mainWindow().copyButton()->click();
    EXPECT_EQ(desktop.clipboard->text, "");
    EXPECT_EQ(desktop.messages->shown.size(), 2u); // the message both times
}

TEST_F(ClipboardExport, BusyClipboardIsRetriedUpTo1000Times)
{
    start();
    setExample();
    desktop.clipboard->failClears = 999;
    desktop.clipboard->failSets = 999;
    mainWindow().copyButton()->click();
    EXPECT_EQ(desktop.clipboard->clearAttempts, 1000);
    EXPECT_EQ(desktop.clipboard->setAttempts, 1000);
    EXPECT_EQ(desktop.clipboard->text, kExampleText);
    EXPECT_TRUE(desktop.messages->reports().isEmpty());
}

TEST_F(ClipboardExport, ClipboardBusyThroughEveryAttemptIsReportedNotClaimedCopied)
{
    start();
    setExample();
    desktop.clipboard->failSets = 5000;
    mainWindow().copyButton()->click();
    EXPECT_EQ(desktop.clipboard->setAttempts, 1000);
    ASSERT_EQ(desktop.messages->shown.size(), 1u);
    EXPECT_TRUE(desktop.messages->reports()[0].contains("PushButton2_Click at line 106"));
}

TEST_F(ClipboardExport, RealQtClipboardReceivesTheText)
{
    start();
    setExample();
    QtClipboard clipboard;
    ASSERT_TRUE(placeOnClipboard(clipboard, "before"));
    clearClipboard(clipboard);
    ASSERT_TRUE(
        placeOnClipboard(clipboard, clipboardText(mainWindow().resultsList().rows().table())));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kExampleText);
}
