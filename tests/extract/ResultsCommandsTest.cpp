#include "support/FormFixture.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

class ResultsCommands : public FormFixture {
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
        for (int i = 0; i < form().resultsList().rows().rows(); ++i)
            result.append(form().resultsList().rows().text(i));
        return result;
    }
    void press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(form().ListView2, static_cast<Qt::Key>(key), modifiers);
    }
};

} // namespace

TEST_F(ResultsCommands, DeleteRemovesTheCurrentRowWhateverTheModifiers)
{
    form().resultsList().rows().setChecked(3, false);
    form().resultsList().selectRow(2);
    press(Qt::Key_Delete);
    EXPECT_EQ(paths(), QStringList({"/1", "/2", "/4", "/5"}));
    EXPECT_FALSE(form().resultsList().rows().isChecked(2)); // ticks stay with their rows
    form().resultsList().selectRow(0);
    press(Qt::Key_Delete, Qt::ShiftModifier);
    form().resultsList().selectRow(0);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(paths(), QStringList({"/4", "/5"}));
}

TEST_F(ResultsCommands, DeleteDoesNothingWithoutSelectionWhileBusyOrForOtherKeys)
{
    form().resultsList().clearSelection();
    form().ListView2_KeyDown(Qt::Key_Delete, {});
    form().resultsList().selectRow(1);
    form().setPointer(WindowPointer::Hourglass);
    press(Qt::Key_Delete);
    form().setPointer(WindowPointer::Default);
    press(Qt::Key_Backspace);
    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(paths().size(), 5);
    EXPECT_TRUE(desktop.messages->shown.empty());
}

TEST_F(ResultsCommands, ClearResultsKeepsTheColumnsAndLeavesTheFileListAlone)
{
    addFiles({"/keep"});
    form().PushButton5->click();
    EXPECT_EQ(form().resultsList().rows().rows(), 0);
    EXPECT_EQ(form().resultsList().rows().columns(), 2);
    EXPECT_EQ(form().resultsList().rows().header(1), "Date Modified");
    EXPECT_EQ(form().fileList().rows().rows(), 1);
    form().PushButton5->click(); // on an empty list: nothing, no report
    EXPECT_TRUE(desktop.messages->shown.empty());
}

TEST_F(ResultsCommands, DeletedRowIsGoneFromTheExports)
{
    form().resultsList().selectRow(2);
    press(Qt::Key_Delete);
    form().PushButton2->click();
    ASSERT_TRUE(desktop.clipboard->text.has_value());
    EXPECT_FALSE(desktop.clipboard->text->contains("/3"));
    EXPECT_TRUE(desktop.clipboard->text->contains("/4"));
}
