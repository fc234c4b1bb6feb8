#include "commands/ResultsCommands.h"
#include "support/Stamps.h"
#include "support/TempTree.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

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
    mainWindow().resultsKeyPressed(Qt::Key_Delete, {});
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

TEST_F(ResultsCommands, SeveralSelectedRowsAreTickedUntickedCopiedAndRemovedTogether)
{
    ListControl& list = mainWindow().resultsList();
    const auto select = [&](std::initializer_list<int> rows) {
        list.clearSelection();
        for (const int row : rows)
            list.selectionModel()->select(list.rows().index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        list.selectionModel()->setCurrentIndex(list.rows().index(*rows.begin(), 0),
                                               QItemSelectionModel::NoUpdate);
    };
    const auto ticks = [&] {
        QString marks;
        for (int row = 0; row < list.rows().rows(); ++row)
            marks += list.rows().isChecked(row) ? u'x' : u'-';
        return marks;
    };
    const auto action = [&](const QString& caption) {
        for (QAction* item : mainWindow().resultsMenu()->actions()) {
            if (item->text() == caption)
                item->trigger();
        }
    };

    select({1, 3});
    press(Qt::Key_Space); // the current row is ticked: every selected row is unticked
    EXPECT_EQ(ticks(), "x-x-x");
    press(Qt::Key_Space);
    EXPECT_EQ(ticks(), "xxxxx");
    action("Untick");
    EXPECT_EQ(ticks(), "x-x-x");
    action("Tick");
    EXPECT_EQ(ticks(), "xxxxx");
    action("Copy Path");
    EXPECT_EQ(desktop.clipboard->text, "/2\n/4\n");

    mainWindow().setPointer(WindowPointer::Hourglass); // busy: the keys and the menu wait
    press(Qt::Key_Space);
    press(Qt::Key_Delete);
    action("Remove");
    EXPECT_EQ(paths().size(), 5);
    mainWindow().setPointer(WindowPointer::Default);

    list.rows().setChecked(3, false);
    select({0, 1, 4});
    press(Qt::Key_Delete);
    EXPECT_EQ(paths(), QStringList({"/3", "/4"}));
    EXPECT_EQ(ticks(), "x-"); // ticks stay with their rows
    select({0});
    action("Remove");
    EXPECT_EQ(paths(), QStringList({"/4"}));
    EXPECT_EQ(mainWindow().statusBar()->counts(), "0 files listed, 1 result rows, 0 ticked");
}

namespace {

class SortedResults : public WindowFixture {
protected:
    // An extraction of four files: two with the same date modified, one name in capitals and
    // one file that is missing.
    void SetUp() override
    {
        tree.file("file 10.txt");
        tree.file("file 2.txt");
        tree.file("File 1.txt");
        tree.setTimes("file 10.txt", kWinter, kSummer);
        tree.setTimes("file 2.txt", kSummer, kWinter);
        tree.setTimes("File 1.txt", kSummer, kBerlinMidnight);
        start();
        addFiles({tree.path("file 2.txt"), tree.path("missing.txt"), tree.path("file 10.txt"),
                  tree.path("File 1.txt")});
        desktop.settings->values[settingsKey("Check2")] = "0";
        mainWindow().dateBox(StampKind::Created)->setValue(0);
        mainWindow().startButton()->click();
        mainWindow().resultsList().rows().setChecked(2, false); // file 10 is unticked
    }
    // The rows as they are shown: name, whether ticked.
    QStringList shown()
    {
        const RowModel& rows = mainWindow().resultsList().rows();
        QStringList names;
        for (int row = 0; row < rows.rows(); ++row)
            names.append(QFileInfo(rows.text(row)).fileName() + (rows.isChecked(row) ? "" : " -"));
        return names;
    }

    TempTree tree;
};

} // namespace

TEST_F(SortedResults, EachColumnSortsBothWaysStablyWithEmptyCellsLast)
{
    ListControl& list = mainWindow().resultsList();
    const struct {
        int column;
        Qt::SortOrder order;
        QStringList rows;
    } clicks[] = {
        {0, Qt::AscendingOrder, {"File 1.txt", "file 2.txt", "file 10.txt -", "missing.txt"}},
        {0, Qt::DescendingOrder, {"missing.txt", "file 10.txt -", "file 2.txt", "File 1.txt"}},
        // Equal dates keep the order the rows had: file 2 before File 1 as listed.
        {1, Qt::AscendingOrder, {"file 10.txt -", "file 2.txt", "File 1.txt", "missing.txt"}},
        {1, Qt::DescendingOrder, {"file 2.txt", "File 1.txt", "file 10.txt -", "missing.txt"}},
        {2, Qt::AscendingOrder, {"file 2.txt", "file 10.txt -", "File 1.txt", "missing.txt"}},
    };
    // Clicks on the header itself, which turns its indicator round by itself too.
    QHeaderView& header = *list.horizontalHeader();
    const auto clickHeader = [&](int column) {
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                          QPoint(header.sectionViewportPosition(column) + 5, 5));
    };
    mainWindow().show();
    for (const auto& click : clicks) {
        clickHeader(click.column);
        EXPECT_EQ(shown(), click.rows) << click.column << " " << click.order;
        ASSERT_TRUE(list.shownSort());
        EXPECT_EQ(*list.shownSort(), std::make_pair(click.column, click.order));
    }
    // The exports follow the order shown; a new run shows the file list's order again.
    mainWindow().copyButton()->click();
    const QString clipboard = desktop.clipboard->text.value_or(QString());
    EXPECT_LT(clipboard.indexOf("file 2.txt"), clipboard.indexOf("File 1.txt"));
    EXPECT_LT(clipboard.indexOf("File 1.txt"), clipboard.indexOf("missing.txt"));
    mainWindow().setPointer(WindowPointer::Hourglass);
    clickHeader(2); // busy: the header waits, and shows what it showed
    EXPECT_EQ(list.shownSort()->first, 2);
    EXPECT_EQ(header.sortIndicatorOrder(), Qt::AscendingOrder);
    mainWindow().setPointer(WindowPointer::Default);
    mainWindow().startButton()->click();
    EXPECT_FALSE(list.shownSort());
    EXPECT_EQ(shown(), QStringList({"file 2.txt", "missing.txt", "file 10.txt", "File 1.txt"}));
}

TEST_F(ResultsCommands, ASortWhoseListChangesMeanwhileOrdersTheListAsItIsThen)
{
    // The list changes at the sort's first yield, while its order is computed: an order of the
    // rows that were there would put the new rows wrong, or point past them.
    const struct {
        const char* change;
        int column;
        std::optional<QList<QStringList>> list; // none: "Clear Results"
        QStringList sorted;                     // the rows' cells, joined by blanks
        bool shownSorted;
    } cases[] = {
        {"cleared", 0, std::nullopt, {}, true},
        {"new rows",
         1,
         QList<QStringList>{{"/c", "x"}, {"/a", "y"}, {"/e", "v"}, {"/b", "w"}, {"/d", "u"}},
         {"/d u", "/e v", "/b w", "/c x", "/a y"},
         true},
        {"column gone", 1, QList<QStringList>{{"/b"}, {"/a"}}, {"/b", "/a"}, false},
    };
    RowModel& results = mainWindow().resultsList().rows();
    for (const auto& c : cases) {
        setResults({"Filename", "Date Modified"},
                   {{"/1", "a"}, {"/2", "b"}, {"/3", "c"}, {"/4", "d"}, {"/5", "e"}});
        results.setSorting(std::nullopt);
        const int first = desktop.yield->count + 1;
        desktop.yield->onYield = [&](int count) {
            if (count != first)
                return;
            if (c.list)
                setResults(QStringList{"Filename", "Date Modified"}.mid(0, c.list->front().size()),
                           *c.list);
            else
                mainWindow().clearResultsButton()->click();
        };
        emit mainWindow().resultsList().headerClicked(c.column);
        desktop.yield->onYield = nullptr;
        QStringList rows;
        for (int row = 0; row < results.rows(); ++row) {
            QStringList cells;
            for (int column = 0; column < results.columns(); ++column)
                cells.append(results.cell(row, column));
            rows.append(cells.join(u' '));
        }
        EXPECT_EQ(rows, c.sorted) << c.change;
        EXPECT_EQ(results.sorting().has_value(), c.shownSorted) << c.change;
        EXPECT_EQ(mainWindow().pointer(), WindowPointer::Default) << c.change;
        EXPECT_TRUE(desktop.messages->shown.empty()) << c.change;
    }
}
