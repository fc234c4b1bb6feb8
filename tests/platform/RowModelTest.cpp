#include "platform/RowModel.h"
#include "platform/Failure.h"
#include "support/Printers.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace quillfen;

TEST(RowModel, SubItemsReadEmptyUntilWrittenAndExistOnlyForLaterColumns)
{
    RowModel model(true);
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

TEST(RowModel, ClearingColumnsKeepsRowsAndTicks)
{
    RowModel model(true);
    model.addColumn("Filename");
    model.appendRows({"/a", "/b", "/c"});
    model.setAllChecked(true);
    model.setChecked(1, false);
    model.removeRowAt(0);
    EXPECT_EQ(model.rows(), 2);
    EXPECT_EQ(model.text(0), "/b");
    EXPECT_FALSE(model.isChecked(0));
    EXPECT_TRUE(model.isChecked(1));
    model.removeAllColumns();
    EXPECT_EQ(model.columns(), 0);
    EXPECT_EQ(model.rows(), 2);
}

TEST(RowModel, ViewSeesTicksOnlyInCheckableLists)
{
    RowModel results(true);
    RowModel files(false);
    for (RowModel* model : {&results, &files}) {
        model->addColumn("h");
        model->appendRow("/a");
        model->publishPending();
    }
    EXPECT_EQ(results.data(results.index(0, 0), Qt::CheckStateRole), QVariant(Qt::Unchecked));
    EXPECT_TRUE(results.setData(results.index(0, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(results.isChecked(0));
    EXPECT_FALSE(files.data(files.index(0, 0), Qt::CheckStateRole).isValid());
    EXPECT_FALSE(files.setData(files.index(0, 0), Qt::Checked, Qt::CheckStateRole));
}

TEST(RowModel, HoldsManyRowsAppendedInOneBlock)
{
    RowModel model(false);
    model.addColumn("File(s)");
    QStringList paths;
    for (int i = 0; i < 200000; ++i)
        paths.append(QStringLiteral("/tmp/file-%1").arg(i));
    model.appendRows(paths);
    model.publishPending();
    EXPECT_EQ(model.rowCount(), 200000);
    EXPECT_EQ(model.text(199999), "/tmp/file-199999");
}

TEST(RowModel, ViewsLearnOfAppendedRowsInBlocks)
{
    RowModel model(true);
    model.addColumn("Filename");
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    for (int i = 0; i < 1000; ++i) {
        model.appendRow(QStringLiteral("/f%1").arg(i));
        model.setChecked(i, true); // not yet shown: nothing to tell the views
    }
    EXPECT_EQ(model.rows(), 1000);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_TRUE(changed.isEmpty());
    // Removing a row the views do not know yet needs no notice either.
    model.removeRowAt(999);
    EXPECT_TRUE(inserted.wait(1000)); // the timer announces them while events are processed
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted.at(0).at(1).toInt(), 0);
    EXPECT_EQ(inserted.at(0).at(2).toInt(), 998);
    EXPECT_EQ(model.rowCount(), 999);
    EXPECT_EQ(model.data(model.index(998, 0), Qt::CheckStateRole), QVariant(Qt::Checked));

    model.appendRow("/late");
    model.removeRowAt(0);
    EXPECT_EQ(model.rowCount(), 998);
    model.publishPending();
    EXPECT_EQ(model.rowCount(), 999);
    EXPECT_EQ(model.text(998), "/late");
}

TEST(RowModel, RowsSharedWithAnotherListOutliveItsClearing)
{
    RowModel files(false);
    RowModel results(true);
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

TEST(RowModel, SameTextAsTheRowAboveStaysItsOwnCell)
{
    RowModel model(true);
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
