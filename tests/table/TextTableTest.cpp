#include "table/TextTable.h"
#include "base/Failure.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

#include <string_view>

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

// The results share the file list's paths: whatever the file list does to its rows after,
// each result keeps the text it was made with.
TEST(TextTable, RowsSharedWithAnotherTableKeepTheirTexts)
{
    for (const char* change : {"remove", "reorder", "rename", "clear"}) {
        SCOPED_TRACE(change);
        TextTable files;
        TextTable results;
        files.addColumn("Filename");
        results.addColumn("Filename");
        // Past one storage block, so rows come from two blocks.
        const QString longName = QString(1000, u'n') + QString::fromUtf8("é");
        for (int i = 0; i < 6000; ++i)
            files.appendRow(QStringLiteral("/%1/").arg(i % 7) + longName + QString::number(i));
        for (const int row : {0, 5999, 1, 5998, 0})
            results.appendRow(files.sharedText(row));
        const TextTable::SharedText held = files.sharedText(3000);
        if (change == std::string_view("remove")) {
            files.removeRows({0, 1, 5998});
        } else if (change == std::string_view("reorder")) {
            std::vector<int> order(6000);
            for (int i = 0; i < 6000; ++i)
                order[static_cast<std::size_t>(i)] = 5999 - i;
            files.reorderRows(order);
        } else if (change == std::string_view("rename")) {
            files.setText(0, "/renamed");
        } else {
            files.removeAllRows();
        }
        files.appendRow("/new"); // written after, never over, what the results hold
        EXPECT_EQ(results.text(1), "/0/" + longName + "5999");
        EXPECT_EQ(results.text(4), "/0/" + longName + "0");
        EXPECT_EQ(results.cellLength(2, 0), 3 + longName.size() + 1);
        QByteArray heldText;
        held.appendTo(heldText);
        EXPECT_EQ(QString::fromUtf8(heldText), "/4/" + longName + "3000");
        EXPECT_EQ(files.text(files.rows() - 1), "/new");
    }
}

// Paths go in split at their last separator and come out as they went in, byte for byte, by
// every way of reading them, also when shared with a table that holds other rows already.
TEST(TextTable, PathsComeOutAsTheyWentIn)
{
    const QByteArray paths[] = {
        "/",           // a root: nothing to split
        "/a/b/",       // a folder's own path
        "name",        // no separator
        "/a/b/c.txt",  // split
        "/a//b/c.txt", // the same folder by another spelling
        "/a/./b/c.txt",
        "/a/b/c.txt",               // the first spelling again
        "/d\xff\xfe/\xe9t\xe9.txt", // not UTF-8, as the command line may meet it
        "/a/b/d\xc3\xa9.txt",
    };
    TextTable files;
    files.addColumn("Filename");
    for (const QByteArray& path : paths)
        files.appendUtf8Row(path);
    TextTable results;
    results.addColumn("Filename");
    results.appendUtf8Row("/elsewhere/x"); // rows of another store: shared rows are copied
    for (int row = 0; row < files.rows(); ++row)
        results.appendRow(files.sharedText(row));
    for (int row = 0; row < files.rows(); ++row) {
        const QByteArray& path = paths[row];
        SCOPED_TRACE(path.toHex().toStdString());
        for (const TextTable* table : {&files, &results}) {
            const int at = table == &files ? row : row + 1;
            EXPECT_EQ(table->textView(at), path);
            QByteArray appended = ">";
            table->appendCellUtf8(at, 0, appended);
            EXPECT_EQ(appended, ">" + path);
            EXPECT_EQ(table->cellUtf8Size(at, 0), path.size());
            EXPECT_EQ(table->text(at), QString::fromUtf8(path));
        }
    }
    // A copy for another thread splits the same way.
    const TextTable::ColumnCopy copy = files.copyColumn(0);
    const PathStore::Pieces split = copy.paths.pieces(copy.pathRefs[3]);
    EXPECT_EQ(split.folder, "/a/b/");
    EXPECT_EQ(split.name, "c.txt");
    EXPECT_EQ(copy.paths.pieces(copy.pathRefs[6]).folderIndex, split.folderIndex);
    EXPECT_NE(copy.paths.pieces(copy.pathRefs[4]).folderIndex, split.folderIndex);
    EXPECT_EQ(copy.paths.pieces(copy.pathRefs[0]).folderIndex, PathStore::kWhole);
    EXPECT_EQ(copy.paths.pieces(copy.pathRefs[1]).folderIndex, PathStore::kWhole);
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

// Everything of a row moves with it: text, a cell, a key (of a column whose keys stop short of
// the rows) and the tick, whether some rows are ticked or all.
TEST(TextTable, ReorderingMovesEveryPartOfTheRow)
{
    for (const bool allTicked : {false, true}) {
        SCOPED_TRACE(allTicked);
        TextTable model;
        model.addColumn("Filename");
        model.addColumn("Change");
        model.addColumn("Date Modified");
        model.appendRows({"/a/0", "/a/1", "/b/2", "3"});
        model.setSubItem(2, 1, "added");
        model.setSubItemKey(1, 2, 11);
        model.setAllChecked(allTicked);
        model.setChecked(0, true);
        model.reorderRows({2, 0, 3, 1});
        const std::vector<QString> texts{"/b/2", "/a/0", "3", "/a/1"};
        const std::vector<QString> cells{"added", "", "", ""};
        const std::vector<qint64> keys{TextTable::kNoKey, TextTable::kNoKey, TextTable::kNoKey, 11};
        for (int row = 0; row < 4; ++row) {
            const auto at = static_cast<std::size_t>(row);
            EXPECT_EQ(model.text(row), texts[at]);
            EXPECT_EQ(model.subItem(row, 1), cells[at]);
            EXPECT_EQ(model.subItemKey(row, 2), keys[at]);
            EXPECT_EQ(model.isChecked(row), allTicked || row == 1);
        }
        EXPECT_THROW(model.reorderRows({0, 1, 2}), Failure);
    }
}
