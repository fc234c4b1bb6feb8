#include "commands/ExtractionRun.h"
#include "support/TempTree.h"
#include "support/WindowFixture.h"

#include <QPushButton>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

constexpr time_t kSummer = 1625063415; // 6/30/2021 4:30:15 PM in Berlin
constexpr time_t kWinter = 1610640005; // 1/14/2021 5:00:05 PM in Berlin

class ExtractionRunTest : public WindowFixture {
protected:
    QStringList headers()
    {
        QStringList result;
        const RowModel& results = mainWindow().resultsList().rows();
        for (int k = 0; k < results.columns(); ++k)
            result.append(results.header(k));
        return result;
    }
    QStringList row(int i)
    {
        const RowModel& results = mainWindow().resultsList().rows();
        QStringList cells;
        for (int k = 0; k < results.columns(); ++k)
            cells.append(results.cell(i, k));
        return cells;
    }
    void setBoxes(int modified, int created, int accessed)
    {
        mainWindow().dateBox(StampKind::Modified)->setValue(modified);
        mainWindow().dateBox(StampKind::Created)->setValue(created);
        mainWindow().dateBox(StampKind::Accessed)->setValue(accessed);
    }

    TempTree tree;
};

} // namespace

TEST_F(ExtractionRunTest, FillsOneRowPerFileWithLocalDatesAndTicksThemAll)
{
    tree.file("summer.txt");
    tree.setTimes("summer.txt", kSummer, kWinter);
    tree.folder("folder");
    tree.setTimes("folder", kWinter, kSummer);
    start();
    setBoxes(1, 0, 1);
    addFiles({tree.path("summer.txt"), tree.path("missing.txt"), tree.path("folder")});
    mainWindow().startButton()->click();

    EXPECT_EQ(headers(), QStringList({"Filename", "Date Modified", "Date Accessed"}));
    ASSERT_EQ(mainWindow().resultsList().rows().rows(), 3);
    EXPECT_EQ(
        row(0),
        QStringList({tree.path("summer.txt"), "6/30/2021 4:30:15 PM", "1/14/2021 5:00:05 PM"}));
    EXPECT_EQ(row(1), QStringList({tree.path("missing.txt"), "", ""}));
    EXPECT_EQ(row(2),
              QStringList({tree.path("folder"), "1/14/2021 5:00:05 PM", "6/30/2021 4:30:15 PM"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(mainWindow().resultsList().rows().isChecked(i));
    EXPECT_EQ(desktop.messages->texts(), QStringList("Done."));
    EXPECT_EQ(desktop.messages->shown[0].caption, "Quillfen");
    EXPECT_EQ(mainWindow().statusBar()->summary(),
              "Extracted 3 rows; 1 file was not found or could not be read");
    EXPECT_EQ(mainWindow().statusBar()->counts(), "3 files listed, 3 result rows, 3 ticked");
    EXPECT_EQ(mainWindow().pointer(), WindowPointer::Default);
    EXPECT_EQ(mainWindow().progressBar().position(), 0);
    EXPECT_EQ(mainWindow().progressBar().caption(), "Progress Bar");
    // The path takes what the dates leave of the list's width.
    const ListControl& list = mainWindow().resultsList();
    EXPECT_EQ(list.columnWidth(0) + list.columnWidth(1) + list.columnWidth(2),
              std::max(list.viewport()->width(), 120 + list.columnWidth(1) + list.columnWidth(2)));
}

TEST_F(ExtractionRunTest, ColumnsFollowTheBoxesInTheirFixedOrder)
{
    start();
    addFiles({tree.path("x")});
    const struct {
        int m, c, a;
        QStringList expected;
    } cases[] = {
        {0, 0, 0, {"Filename"}},
        {0, 1, 1, {"Filename", "Date Created", "Date Accessed"}},
        {1, 1, 1, {"Filename", "Date Modified", "Date Created", "Date Accessed"}},
        {0, 2, 1, {"Filename", "Date Accessed"}}, // greyed counts as not ticked
    };
    for (const auto& c : cases) {
        setBoxes(c.m, c.c, c.a);
        mainWindow().startButton()->click();
        EXPECT_EQ(headers(), c.expected);
        EXPECT_EQ(mainWindow().resultsList().rows().rows(), 1); // a second run replaces the first
    }
}

TEST_F(ExtractionRunTest, EmptyFileListSaysSoAndKeepsTheResults)
{
    start();
    setResults({"Filename", "Date Modified"}, {{"/old", "1/1/2020"}});
    mainWindow().startButton()->click();
    EXPECT_EQ(desktop.messages->texts(), QStringList("No files added."));
    EXPECT_EQ(headers(), QStringList({"Filename", "Date Modified"}));
    EXPECT_EQ(mainWindow().resultsList().rows().rows(), 1);
    // The flag was cleared: the next click runs.
    addFiles({"/a"});
    mainWindow().startButton()->click();
    EXPECT_EQ(desktop.messages->texts().last(), "Done.");
}

TEST_F(ExtractionRunTest, ShowsProgressPerFileAndYieldsOncePerFile)
{
    start();
    addFiles({"/x/one.txt", "/x/two.txt", "/three"});
    QList<double> positions;
    QStringList captions;
    desktop.yield->onYield = [&](int) {
        positions.append(mainWindow().progressBar().position());
        captions.append(mainWindow().progressBar().caption());
        EXPECT_EQ(mainWindow().pointer(), WindowPointer::Hourglass);
    };
    mainWindow().startButton()->click();
    ASSERT_EQ(positions.size(), 3);
    EXPECT_DOUBLE_EQ(positions[0], 100.0 / 3);
    EXPECT_DOUBLE_EQ(positions[1], 200.0 / 3);
    EXPECT_DOUBLE_EQ(positions[2], 100.0);
    EXPECT_EQ(captions,
              QStringList({"Processing: one.txt", "Processing: two.txt", "Processing: three"}));
}

TEST_F(ExtractionRunTest, SecondClickDuringARunDoesNothing)
{
    start();
    addFiles({"/a", "/b"});
    desktop.yield->onYield = [&](int) { mainWindow().startButton()->click(); };
    mainWindow().startButton()->click();
    EXPECT_EQ(mainWindow().resultsList().rows().rows(), 2);
    EXPECT_EQ(desktop.messages->texts(), QStringList("Done."));
}

TEST_F(ExtractionRunTest, BoxesAreReadAfreshForEveryRow)
{
    tree.file("f");
    start();
    setBoxes(1, 0, 1);
    addFiles({tree.path("f"), tree.path("f"), tree.path("f")});
    desktop.yield->onYield = [&](int count) {
        if (count == 2)
            mainWindow()
                .dateBox(StampKind::Accessed)
                ->setValue(0); // unticked during the run: empty from then on
        if (count == 3)
            mainWindow()
                .dateBox(StampKind::Created)
                ->setValue(1); // ticked during the run: it has no column
    };
    mainWindow().startButton()->click();
    EXPECT_FALSE(row(0)[2].isEmpty());
    EXPECT_TRUE(row(1)[2].isEmpty());
    EXPECT_TRUE(row(2)[2].isEmpty());
    const QStringList reports = desktop.messages->reports();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("in Tessary2021/08/31.Form1.PushButton3_Click at line 150"));
    EXPECT_EQ(desktop.messages->texts().last(), "Done.");
}

TEST_F(ExtractionRunTest, ClearResultsDuringARunKeepsTheRemainingRows)
{
    start();
    addFiles({"/a", "/b", "/c"});
    desktop.yield->onYield = [&](int count) {
        if (count == 3)
            mainWindow().clearResultsButton()->click();
    };
    mainWindow().startButton()->click();
    ASSERT_EQ(mainWindow().resultsList().rows().rows(), 1);
    EXPECT_EQ(mainWindow().resultsList().rows().text(0), "/c");
    EXPECT_TRUE(mainWindow().resultsList().rows().isChecked(0));
}

TEST_F(ExtractionRunTest, FileListShrinkingDuringARunNeverRepeatsAPath)
{
    start();
    const QString a = tree.file("a.txt");
    const QString b = tree.file("b.txt");
    tree.setTimes("a.txt", kSummer, kSummer);
    setBoxes(1, 1, 1);
    addFiles({a, b, tree.path("c.txt")});
    desktop.yield->onYield = [&](int count) {
        if (count == 1)
            mainWindow().fileList().rows().removeRowAt(2); // by something else the yield ran
    };
    mainWindow().startButton()->click();
    // The missing row is reported and leaves an empty row, not a copy of the row before.
    const RowModel& results = mainWindow().resultsList().rows();
    ASSERT_EQ(results.rows(), 3);
    EXPECT_EQ(results.text(1), b);
    EXPECT_EQ(row(2), QStringList({"", "", "", ""}));
    EXPECT_EQ(desktop.messages->reports().size(), 1);
}

TEST_F(ExtractionRunTest, RowsAreUntickedUntilTheRunEnds)
{
    start();
    addFiles({"/a", "/b"});
    desktop.yield->onYield = [&](int count) {
        if (count == 2) {
            EXPECT_FALSE(mainWindow().resultsList().rows().isChecked(0));
        }
    };
    mainWindow().startButton()->click();
    EXPECT_TRUE(mainWindow().resultsList().rows().isChecked(0));
}
