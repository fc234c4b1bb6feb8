// The test programs run with TZ=Europe/Berlin and an en_US locale (see TestEnvironment.cpp).

#include "app/ResultsView.h"
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
        const RowModel& rows = window.resultsList().rows();
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

} // namespace
