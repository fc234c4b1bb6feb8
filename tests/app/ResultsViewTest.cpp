// The test programs run with TZ=Europe/Berlin and an en_US locale (see TestEnvironment.cpp).

#include "app/ResultsView.h"
#include "commands/ResultsComparison.h"
#include "desktop/DateField.h"
#include "desktop/FilterBar.h"
#include "desktop/TimelineChart.h"
#include "support/TempTree.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

constexpr time_t kDay = 86400;
constexpr time_t kJan2021 = 1609459200; // 2021-01-01 00:00 UTC

class ResultsViewTest : public WindowFixture {
protected:
    // Four files a day apart, extracted with every date.
    MainWindow& extractFour()
    {
        MainWindow& window = start();
        QStringList paths;
        const char* names[] = {"a.txt", "b.log", "c.txt", "d.txt"};
        for (int i = 0; i < 4; ++i) {
            paths << tree.file(QString::fromUtf8(names[i]));
            tree.setTimes(QString::fromUtf8(names[i]), kJan2021 + i * kDay, kJan2021);
        }
        addFiles(paths);
        window.startButton()->click();
        return window;
    }

    QStringList shownPaths(MainWindow& window)
    {
        window.resultsView().filter().finish();
        QStringList paths;
        RowModel& rows = window.resultsList().rows();
        rows.publishPending();
        for (int view = 0; view < rows.shownCount(); ++view)
            paths << rows.text(rows.tableRow(view)).section('/', -1);
        return paths;
    }

    TempTree tree;
};

TEST_F(ResultsViewTest, ExportsWriteTheShownTickedRowsInTheOrderShown)
{
    MainWindow& window = extractFour();
    window.actions().filterResults->trigger();
    ASSERT_TRUE(window.filterBar()->isVisible() || !window.filterBar()->isHidden());
    window.filterBar()->pathEdit()->setText("*.TXT");
    emit window.resultsList().headerClicked(1); // modified, oldest first
    emit window.resultsList().headerClicked(1); // newest first
    EXPECT_EQ(shownPaths(window), QStringList({"d.txt", "c.txt", "a.txt"}));
    EXPECT_TRUE(window.statusBar()->counts().contains("3 of 4 rows shown"));
    RowModel& rows = window.resultsList().rows();
    rows.setChecked(rows.tableRow(1), false); // c.txt

    const QString report = tree.path("report.txt");
    desktop.fileDialogs->saveAnswers = {report};
    window.saveTextButton()->click();
    QFile written(report);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(written.readAll()).split("\r\n");
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[1].contains("d.txt"));
    EXPECT_TRUE(lines[2].contains("a.txt"));
    EXPECT_FALSE(lines.join('\n').contains("b.log"));
    EXPECT_TRUE(window.statusBar()->summary().contains("hidden by the filter"));

    // Escape shows every row again and keeps the tick taken meanwhile; a new extraction keeps
    // the bar and its text.
    QTest::keyClick(window.filterBar()->pathEdit(), Qt::Key_Escape);
    EXPECT_EQ(shownPaths(window).size(), 4);
    EXPECT_EQ(rows.table().checkedRows(), 3);
    window.actions().filterResults->trigger();
    window.startButton()->click();
    EXPECT_EQ(window.filterBar()->pathEdit()->text(), "*.TXT");
    EXPECT_EQ(shownPaths(window).size(), 3);
}

TEST_F(ResultsViewTest, AClickOnTheTimelineFiltersItsPeriod)
{
    MainWindow& window = extractFour();
    window.show();
    window.actions().timeline->trigger();
    window.timeline()->resize(600, 150);
    QTest::qWait(100); // the timeline counts after a short pause
    const TimeBins& bins = window.timeline()->bins();
    ASSERT_EQ(bins.total, 4);
    // b.log's bar: the second that has a row.
    int second = -1;
    for (int bin = 0, dated = 0; bin < static_cast<int>(bins.bins.size()); ++bin) {
        if (bins.bins[bin].count > 0 && ++dated == 2)
            second = bin;
    }
    ASSERT_GE(second, 0);

    const QPoint bar = window.timeline()->barRect(second).center();
    QTest::mouseClick(window.timeline(), Qt::LeftButton, {}, bar);
    FilterBar* filter = window.filterBar();
    EXPECT_FALSE(filter->isHidden());
    EXPECT_EQ(filter->testChooser()->currentText(), "between");
    EXPECT_TRUE(filter->firstDateField()->text().startsWith("1/2/2021"));
    EXPECT_TRUE(filter->secondDateField()->text().startsWith("1/2/2021"));
    EXPECT_EQ(shownPaths(window), QStringList({"b.log"}));
    QTest::keyClick(filter->pathEdit(), Qt::Key_Escape);
    EXPECT_EQ(shownPaths(window).size(), 4);
}

// Save Snapshot, three files touched, one deleted, one added, a new file list extracted and
// compared: each change shows in the Change column, in the text report and alone through the
// filter; a changed date is coloured and carries the snapshot's; a bad snapshot changes nothing; a
// new extraction ends the comparison.
TEST_F(ResultsViewTest, AComparisonWithASnapshotShowsEachChange)
{
    MainWindow& window = start();
    const QStringList names{"a.txt", "b.txt", "c.txt", "d.txt", "e.txt", "f.txt"};
    QStringList paths;
    for (int i = 0; i < 5; ++i) {
        paths << tree.file(names[i]);
        tree.setTimes(names[i], kJan2021 + i * kDay, kJan2021);
    }
    addFiles(paths);
    window.startButton()->click();
    const QString snapshot = tree.path("snap.jsonl");
    desktop.fileDialogs->saveAnswers = {snapshot};
    window.actions().saveSnapshot->trigger();
    EXPECT_TRUE(window.statusBar()->summary().contains("Saved a snapshot of 5 rows"));

    for (const char* touched : {"b.txt", "c.txt", "d.txt"})
        tree.setTimes(touched, kJan2021 + 10 * kDay, kJan2021);
    ASSERT_TRUE(QFile::remove(tree.path("e.txt")));
    paths.removeLast();
    paths << tree.file("f.txt");
    tree.setTimes("f.txt", kJan2021, kJan2021);
    window.clearListButton()->click();
    addFiles(paths);
    window.startButton()->click();
    desktop.fileDialogs->openAnswers = {{snapshot}};
    window.actions().compareSnapshot->trigger();
    EXPECT_TRUE(
        window.statusBar()->summary().contains("1 added, 1 removed, 3 changed, 1 unchanged"));

    const QString report = tree.path("report.txt");
    desktop.fileDialogs->saveAnswers = {report};
    window.saveTextButton()->click();
    QFile written(report);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(written.readAll()).split("\r\n");
    ASSERT_EQ(lines.size(), 8); // header, six rows, the last line end
    EXPECT_TRUE(lines[0].contains(QRegularExpression("^Filename\\s+Change\\s+Date Modified")));
    const char* expected[][2] = {{"a.txt", "unchanged"},
                                 {"b.txt", "changed:modified"},
                                 {"c.txt", "changed:modified"},
                                 {"d.txt", "changed:modified"},
                                 {"f.txt", "added"},
                                 {"e.txt", "removed"}};
    for (int i = 0; i < 6; ++i) {
        const QStringList fields =
            lines[i + 1].split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        ASSERT_GE(fields.size(), 2) << lines[i + 1].toStdString();
        EXPECT_TRUE(fields[0].endsWith(expected[i][0])) << lines[i + 1].toStdString();
        EXPECT_EQ(fields[1], expected[i][1]) << lines[i + 1].toStdString();
    }
    EXPECT_EQ(lines[6].split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size(), 2); // no dates

    RowModel& rows = window.resultsList().rows();
    rows.publishPending();
    const int modified = rows.columnWithId(dateColumnId(StampKind::Modified));
    const QModelIndex touched = rows.index(1, modified);
    EXPECT_TRUE(rows.data(touched, Qt::ForegroundRole).isValid());
    EXPECT_EQ(rows.data(touched, Qt::ToolTipRole).toString(),
              "In the snapshot: 1/2/2021 1:00:00 AM");
    EXPECT_FALSE(rows.data(rows.index(0, modified), Qt::ToolTipRole).isValid());

    window.actions().filterResults->trigger();
    QComboBox* change = window.filterBar()->changeChooser();
    EXPECT_FALSE(change->isHidden());
    change->setCurrentIndex(change->findText("added, removed or changed"));
    EXPECT_EQ(shownPaths(window), QStringList({"b.txt", "c.txt", "d.txt", "f.txt", "e.txt"}));
    change->setCurrentIndex(change->findText("removed"));
    EXPECT_EQ(shownPaths(window), QStringList({"e.txt"}));

    // A snapshot with a line that is not JSON: one message naming the file and the line.
    const QString bad = tree.file("bad.jsonl", "{\"path\":\"/x\"}\nnot json\n");
    desktop.fileDialogs->openAnswers = {{bad}};
    const int shownBefore = static_cast<int>(desktop.messages->shown.size());
    window.actions().compareSnapshot->trigger();
    ASSERT_EQ(static_cast<int>(desktop.messages->shown.size()), shownBefore + 1);
    EXPECT_TRUE(desktop.messages->shown.back().text.startsWith(bad + ", line 2: "));
    EXPECT_EQ(rows.rows(), 6);
    EXPECT_EQ(shownPaths(window), QStringList({"e.txt"}));

    window.startButton()->click();
    EXPECT_LT(rows.columnWithId(kChangeColumnId), 0);
    EXPECT_TRUE(change->isHidden());
    EXPECT_EQ(shownPaths(window).size(), 5);
}

} // namespace
