#include "table/TextTable.h"
#include "base/Failure.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

using namespace quillfen;

TEST(TextTable, SubItemsReadEmptyUntilWrittenAndExistOnlyForLaterColumns)
{
    TextTable model;
    model.addColumn("Filename");
    model.addColumn("Date Modified");
    model.addColumn("Date Created");
    model.appendRow("/a");
    EXPECT_EQ(model.subItem(0, 2), QString());
    model.setSubItem(0, 2, "x");
    EXPECT_EQ(model.cell(0, 2), "x");
    EXPECT_EQ(model.cell(0, 1), QString());
    EXPECT_THROW(model.setSubItem(0, 0, "y"), Failure);
    EXPECT_THROW(model.setSubItem(0, 3, "y"), Failure);
    EXPECT_THROW(model.text(1), Failure);
    EXPECT_THROW(model.header(3), Failure);
}

TEST(TextTable, ClearingColumnsKeepsRowsAndTicks)
{
    TextTable model;
    model.addColumn("Filename");
    model.appendRows({"/a", "/b", "/c"});
    model.setAllChecked(true);
    model.setChecked(1, false);
    model.setChecked(1, false);
    model.removeRowAt(0);
    EXPECT_EQ(model.rows(), 2);
    EXPECT_EQ(model.text(0), "/b");
    EXPECT_FALSE(model.isChecked(0));
    EXPECT_TRUE(model.isChecked(1));
    EXPECT_EQ(model.checkedRows(), 1); // kept as the ticks change, for the status bar
    model.removeAllColumns();
    EXPECT_EQ(model.columns(), 0);
    EXPECT_EQ(model.rows(), 2);
    model.removeAllRows();
    EXPECT_EQ(model.checkedRows(), 0);
}

TEST(TextTable, RowsSharedWithAnotherTableOutliveItsClearing)
{
    TextTable files;
    TextTable results;
    files.addColumn("Filename");
    results.addColumn("Filename");
    // Past one storage block, so rows come from two blocks, taken in turn.
    const QString longName = QString(1000, u'n') + QString::fromUtf8("é");
    for (int i = 0; i < 6000; ++i)
        files.appendRow(QStringLiteral("/%1/").arg(i) + longName);
    for (const int row : {0, 5999, 1, 5998, 0})
        results.appendRow(files.sharedText(row));
    const TextStore::Shared held = files.sharedText(3000);
    files.removeAllRows();
    files.appendRow("/new"); // the old blocks are not written again
    EXPECT_EQ(results.text(1), "/5999/" + longName);
    EXPECT_EQ(results.text(4), "/0/" + longName);
    EXPECT_EQ(results.cellLength(2, 0), 3 + longName.size());
    EXPECT_EQ(QString::fromUtf8(held.view()), "/3000/" + longName);
    EXPECT_EQ(files.text(0), "/new");
}

TEST(TextTable, SameTextAsTheRowAboveStaysItsOwnCell)
{
    TextTable model;
    model.addColumn("Filename");
    model.addColumn("Date Modified");
    model.appendRows({"/a", "/b", "/c"});
    for (int row = 0; row < 3; ++row)
        model.setSubItemUtf8(row, 1, "1/2/2020");
    model.setSubItemUtf8(1, 1, "3/4/2021");
    EXPECT_EQ(model.subItem(0, 1), "1/2/2020");
    EXPECT_EQ(model.subItem(1, 1), "3/4/2021");
    EXPECT_EQ(model.subItem(2, 1), "1/2/2020");
    model.setSubItemUtf8(2, 1, "");
    EXPECT_EQ(model.subItem(2, 1), "");
}

TEST(TextTable, ColumnsAddedAgainStartEmpty)
{
    TextTable model;
    model.addColumn("Filename");
    model.addColumn("Date Modified");
    model.appendRows({"/a", "/b"});
    model.setSubItem(1, 1, "1/2/2020");
    model.removeAllColumns();
    model.addColumn("Filename");
    model.addColumn("Date Created");
    EXPECT_EQ(model.subItem(1, 1), "");
    EXPECT_EQ(model.cellLength(1, 1), 0);
    EXPECT_EQ(model.text(1), "/b");
}

TEST(TextTableColumns, FindsTheFirstColumnWithAnId)
{
    TextTable model;
    model.addColumn("Filename");
    model.addColumn("Date Modified", 0);
    model.addColumn("Date Created", 1);
    model.addColumn("Date Created again", 1);
    EXPECT_EQ(model.columnWithId(1), 2);
    EXPECT_EQ(model.columnWithId(0), 1);
    EXPECT_EQ(model.columnWithId(2), -1);
    EXPECT_EQ(model.columnId(0), TextTable::kNoId);
    model.removeAllColumns();
    EXPECT_EQ(model.columnWithId(0), -1);
}

// A column put between others takes none of their texts, keys or key texts, also when the
// rows have room for more sub-items than there are columns.
TEST(TextTableColumns, AnInsertedColumnMovesTheLaterOnesRight)
{
    for (const bool wideRows : {false, true}) {
        TextTable model;
        if (wideRows) {
            for (const char* header : {"Filename", "A", "B", "C", "D"})
                model.addColumn(header);
            model.removeAllColumns();
        }
        model.addColumn("Filename");
        model.addColumn("Date Modified", 0);
        model.addColumn("Date Created", 1);
        model.appendRows({"/a", "/b"});
        model.setSubItem(1, 1, "modified");
        model.setSubItemKey(0, 2, 42);
        model.setKeyText(2, [](qint64 key, QByteArray& out) { out += QByteArray::number(key); });
        model.insertColumn(1, "Change", 7);
        ASSERT_EQ(model.columns(), 4);
        EXPECT_EQ(model.header(1), "Change");
        EXPECT_EQ(model.columnWithId(0), 2);
        EXPECT_EQ(model.subItem(1, 1), "");
        EXPECT_EQ(model.subItem(1, 2), "modified");
        EXPECT_EQ(model.subItemKey(0, 3), 42);
        EXPECT_EQ(model.subItem(0, 3), "42");
        EXPECT_EQ(model.subItemKey(0, 1), TextTable::kNoKey);
        model.setSubItem(0, 1, "added");
        EXPECT_EQ(model.subItem(0, 1), "added");
        EXPECT_EQ(model.text(1), "/b");
    }
}
