#include "commands/ResultsCommands.h"
#include "support/WindowFixture.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

class ResultsCommands : public WindowFixture {
protected:
    void SetUp() override
    {
        start();
        setResults({"Filename", "Date Modified"},
                   {{"/1", "a"}, {"/2", "b"}, {"/3", "c"}, {"/4", "d"}, {"/5", "e"}});
    }
    QStringList paths()
    {
        QStringList result;
        for (int i = 0; i < mainWindow().resultsList().rows().rows(); ++i)
            result.append(mainWindow().resultsList().rows().text(i));
        return result;
    }
    void press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(&mainWindow().resultsList(), static_cast<Qt::Key>(key), modifiers);
    }
};

} // namespace

TEST_F(ResultsCommands, DeleteRemovesTheCurrentRowWhateverTheModifiers)
{
    mainWindow().resultsList().rows().setChecked(3, false);
    mainWindow().resultsList().selectRow(2);
    press(Qt::Key_Delete);
    EXPECT_EQ(paths(), QStringList({"/1", "/2", "/4", "/5"}));
    EXPECT_FALSE(mainWindow().resultsList().rows().isChecked(2)); // ticks stay with their rows
    mainWindow().resultsList().selectRow(0);
    press(Qt::Key_Delete, Qt::ShiftModifier);
    mainWindow().resultsList().selectRow(0);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(paths(), QStringList({"/4", "/5"}));
}

TEST_F(ResultsCommands, DeleteDoesNothingWithoutSelectionWhileBusyOrForOtherKeys)
{
    mainWindow().resultsList().clearSelection();
    deleteCurrentResult(mainWindow(), Qt::Key_Delete, {});
    mainWindow().resultsList().selectRow(1);
    mainWindow().setPointer(WindowPointer::Hourglass);
    press(Qt::Key_Delete);
    mainWindow().setPointer(WindowPointer::Default);
    press(Qt::Key_Backspace);
    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(paths().size(), 5);
    EXPECT_TRUE(desktop.messages->shown.empty());
}

TEST_F(ResultsCommands, ClearResultsKeepsTheColumnsAndLeavesTheFileListAlone)
{
    addFiles({"/keep"});
    mainWindow().clearResultsButton()->click();
    EXPECT_EQ(mainWindow().resultsList().rows().rows(), 0);
    EXPECT_EQ(mainWindow().resultsList().rows().columns(), 2);
    EXPECT_EQ(mainWindow().resultsList().rows().header(1), "Date Modified");
    EXPECT_EQ(mainWindow().fileList().rows().rows(), 1);
    mainWindow().clearResultsButton()->click(); // on an empty list: nothing, no report
    EXPECT_TRUE(desktop.messages->shown.empty());
}

TEST_F(ResultsCommands, DeletedRowIsGoneFromTheExports)
{
    mainWindow().resultsList().selectRow(2);
    press(Qt::Key_Delete);
    mainWindow().copyButton()->click();
    ASSERT_TRUE(desktop.clipboard->text.has_value());
    EXPECT_FALSE(desktop.clipboard->text->contains("/3"));
    EXPECT_TRUE(desktop.clipboard->text->contains("/4"));
}
