#include "desktop/RowModel.h"
#include "base/Failure.h"
#include "support/Printers.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace quillfen;

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

// Qt's own checker of the model contract, over every change the program makes to a list.
TEST(RowModel, KeepsTheItemModelContractThroughEveryChange)
{
    for (const bool checkable : {false, true}) {
        RowModel model(checkable);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::Fatal);
        model.addColumn("Filename");
        model.addColumn("Date Modified", 0);
        model.appendRows({"/c", "/a", "/b", "/d"});
        model.appendRow("/e"); // pending until published
        model.publishPending();
        model.setSubItem(1, 1, "1/2/2020");
        model.setChecked(2, true);
        model.setRowsChecked({0, 3}, true);
        model.setAllChecked(false);
        model.reorderRows({1, 2, 0, 4, 3});
        model.setSorting(RowModel::Sorting{0, Qt::AscendingOrder});
        model.removeRowAt(0);
        model.removeRows({0, 2});
        model.removeAllColumns();
        model.addColumn("Filename");
        model.removeAllRows();
        EXPECT_EQ(model.rowCount(), 0);
    }
}
