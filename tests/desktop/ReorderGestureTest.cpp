#include "desktop/ReorderGesture.h"
#include "desktop/ListControl.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace quillfen;

namespace {

// The file list as the window has it, with the gesture and a drag pointer file that is not
// there.
class ReorderGestureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_list.resize(520, 169);
        m_list.addColumn("File(s)", 7000);
        addFiles({"/p0", "/p1", "/p2", "/p3", "/p4", "/p5"});
        m_list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_list));
    }
    void addFiles(const QStringList& paths)
    {
        m_list.rows().appendRows(paths);
        m_list.rows().publishPending();
    }
    ListControl& list() { return m_list; }
    QWidget* viewport() { return list().viewport(); }
    QPoint rowCenter(int row) { return list().visualRect(list().rows().index(row, 0)).center(); }
    void moveTo(QPoint pos) { QTest::mouseMove(viewport(), pos); }
    QStringList listed()
    {
        QStringList paths;
        for (int i = 0; i < list().rows().rows(); ++i)
            paths.append(list().rows().text(i));
        return paths;
    }

private:
    ListControl m_list{false};
    ReorderGesture m_gesture{m_list, "/nonexistent/drag.ico"};
};

} // namespace

TEST_F(ReorderGestureTest, DraggedEntryTravelsDownAndBackUp)
{
    QTest::mousePress(viewport(), Qt::LeftButton, {}, rowCenter(2));
    EXPECT_EQ(list().listPointer(), ListControl::Pointer::Custom);
    moveTo(rowCenter(3));
    moveTo(rowCenter(4));
    EXPECT_EQ(listed(), QStringList({"/p0", "/p1", "/p3", "/p4", "/p2", "/p5"}));
    EXPECT_EQ(list().selectedRow(), 4);
    moveTo(rowCenter(3));
    moveTo(rowCenter(2));
    EXPECT_EQ(listed(), QStringList({"/p0", "/p1", "/p2", "/p3", "/p4", "/p5"}));
    EXPECT_EQ(list().selectedRow(), 2);
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, rowCenter(2));
    EXPECT_EQ(list().listPointer(), ListControl::Pointer::Standard);
}

TEST_F(ReorderGestureTest, JumpingOverEntriesTradesOnlyWithTheOneUnderThePointer)
{
    QTest::mousePress(viewport(), Qt::LeftButton, {}, rowCenter(1));
    moveTo(rowCenter(4));
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, rowCenter(4));
    EXPECT_EQ(listed(), QStringList({"/p0", "/p4", "/p2", "/p3", "/p1", "/p5"}));
}

TEST_F(ReorderGestureTest, MovingWithoutAPressChangesNothing)
{
    moveTo(rowCenter(1));
    moveTo(rowCenter(3));
    EXPECT_EQ(listed(), QStringList({"/p0", "/p1", "/p2", "/p3", "/p4", "/p5"}));
}

TEST_F(ReorderGestureTest, EqualTextsNeverTrade)
{
    list().rows().setText(3, "/p2");
    QTest::mousePress(viewport(), Qt::LeftButton, {}, rowCenter(2));
    moveTo(rowCenter(3));
    EXPECT_EQ(list().selectedRow(), 2);
    moveTo(rowCenter(4));
    EXPECT_EQ(listed(), QStringList({"/p0", "/p1", "/p4", "/p2", "/p2", "/p5"}));
}

TEST_F(ReorderGestureTest, AfterTheReleaseAPressOnEmptySpaceTradesWithNothing)
{
    QTest::mousePress(viewport(), Qt::LeftButton, {}, rowCenter(0));
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, rowCenter(0));
    const QPoint below(10, viewport()->height() - 3);
    ASSERT_EQ(list().rowAtPoint(below), -1);
    QTest::mousePress(viewport(), Qt::LeftButton, {}, below);
    moveTo(rowCenter(3));
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, rowCenter(3));
    EXPECT_EQ(listed(), QStringList({"/p0", "/p1", "/p2", "/p3", "/p4", "/p5"}));
}

TEST_F(ReorderGestureTest, NearTheBottomEdgeTheNextEntryScrollsIntoView)
{
    QStringList more;
    for (int i = 6; i < 60; ++i)
        more.append(QStringLiteral("/p%1").arg(i));
    addFiles(more);
    const int lastVisible = list().rowAtPoint(QPoint(10, viewport()->height() - 2));
    ASSERT_GT(lastVisible, 2);
    QTest::mousePress(viewport(), Qt::LeftButton, {}, rowCenter(lastVisible - 1));
    moveTo(rowCenter(lastVisible));
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, rowCenter(lastVisible));
    const QRect next = list().visualRect(list().rows().index(lastVisible + 1, 0));
    EXPECT_TRUE(viewport()->rect().contains(next)) << next.y();
}

TEST_F(ReorderGestureTest, MissingDragPointerFileShowsTheArrow)
{
    QTest::mousePress(viewport(), Qt::LeftButton, {}, rowCenter(1));
    EXPECT_EQ(viewport()->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, rowCenter(1));
}
