#include "app/WindowArguments.h"
#include "base/Texts.h"
#include "support/TempTree.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

class MainWindowTest : public WindowFixture {};

void moveOver(QWidget* widget, QPointF at = QPointF(5, 5))
{
    widget->window()->show();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

TEST_F(MainWindowTest, FirstStartTicksAllBoxesAndShowsNothing)
{
    MainWindow& window = start();
    EXPECT_EQ(window.dateBox(StampKind::Modified)->value(), 1);
    EXPECT_EQ(window.dateBox(StampKind::Created)->value(), 1);
    EXPECT_EQ(window.dateBox(StampKind::Accessed)->value(), 1);
    EXPECT_TRUE(desktop.messages->shown.empty());
    // No sample list yet: an empty one is recorded. Setting the boxes counts as clicks,
    // which store their state again.
    EXPECT_EQ(desktop.settings->writes,
              QStringList({"Snapshot=", "Check1=1", "Check2=1", "Check3=1"}));
    EXPECT_EQ(window.windowTitle(), "Quillfen");
    EXPECT_EQ(window.appTitle(), "Quillfen");
    EXPECT_EQ(window.progressBar().caption(), "Progress Bar");
    EXPECT_EQ(window.progressBar().position(), 0);
    EXPECT_EQ(window.fileList().rows().header(0), "File(s)");
    EXPECT_EQ(window.fileList().columnWidth(0), 467);
    EXPECT_EQ(window.resultsList().rows().columns(), 0);
}

TEST_F(MainWindowTest, StoredValuesSetTheBoxes)
{
    desktop.settings->values[settingsKey("Check2")] = "0";
    desktop.settings->values[settingsKey("Check3")] = " 2 ";
    MainWindow& window = start();
    EXPECT_EQ(window.dateBox(StampKind::Modified)->value(), 1);
    EXPECT_EQ(window.dateBox(StampKind::Created)->value(), 0);
    EXPECT_EQ(window.dateBox(StampKind::Accessed)->value(), 2);
    EXPECT_EQ(window.dateBox(StampKind::Accessed)->checkState(), Qt::PartiallyChecked);
    EXPECT_TRUE(desktop.messages->shown.empty());
}

TEST_F(MainWindowTest, BadStoredValuesAreReportedAndLeaveTheBoxClear)
{
    desktop.settings->values[settingsKey("Check1")] = "yes";
    desktop.settings->values[settingsKey("Check3")] = "5";
    MainWindow& window = start();
    EXPECT_EQ(window.dateBox(StampKind::Modified)->value(), 0);
    EXPECT_EQ(window.dateBox(StampKind::Created)->value(), 1);
    EXPECT_EQ(window.dateBox(StampKind::Accessed)->value(), 0);
    const QStringList reports = desktop.messages->reports();
    ASSERT_EQ(reports.size(), 2);
    EXPECT_TRUE(reports[0].contains("in Tessary2021/08/31.Form1.Form_Load at line 132"));
    EXPECT_TRUE(reports[1].contains("in Tessary2021/08/31.Form1.Form_Load at line 136"));
}

TEST_F(MainWindowTest, FailedSettingsWriteAtStartIsReportedOncePerBox)
{
    desktop.settings->failWrites = true;
    MainWindow& window = start();
    const QStringList reports = desktop.messages->reports();
    ASSERT_EQ(reports.size(), 4);
    EXPECT_TRUE(reports[0].contains("Form_Load at line 110"));
    EXPECT_TRUE(reports[3].contains("Form_Load at line 136"));
    EXPECT_EQ(window.dateBox(StampKind::Modified)->value(),
              1); // the box shows the state, only storing it failed
}

TEST_F(MainWindowTest, ClickingABoxStoresItsNewState)
{
    MainWindow& window = start();
    desktop.settings->writes.clear();
    window.dateBox(StampKind::Created)->click();
    EXPECT_EQ(window.dateBox(StampKind::Created)->value(), 0);
    window.dateBox(StampKind::Created)->click();
    EXPECT_EQ(desktop.settings->writes, QStringList({"Check2=0", "Check2=1"}));
    EXPECT_EQ(desktop.settings->values[settingsKey("Check2")], "1");
}

TEST_F(MainWindowTest, FailedWriteOnClickIsReported)
{
    MainWindow& window = start();
    desktop.settings->failWrites = true;
    window.dateBox(StampKind::Modified)->click();
    ASSERT_EQ(desktop.messages->shown.size(), 1u);
    EXPECT_EQ(desktop.messages->shown[0].text, "Cannot store the setting \"Check1\"");
    EXPECT_EQ(desktop.messages->shown[0].caption, "Quillfen");
    EXPECT_EQ(desktop.messages->shown[0].icon, MessageIcon::Warning);
}

TEST_F(MainWindowTest, HoverShowsTheHandOverButtonsAndTheArrowElsewhere)
{
    TempTree folder;
    QFile::copy(QStringLiteral(QUILLFEN_ASSETS_DIR "/HAND-M.CUR"), folder.path("HAND-M.CUR"));
    desktop.platform.programFilesFolder = folder.root();
    MainWindow& window = start();
    ASSERT_TRUE(window.hasCustomPointerImage());
    moveOver(window.startButton());
    EXPECT_EQ(window.pointer(), WindowPointer::Custom);
    EXPECT_EQ(window.cursor().shape(), Qt::BitmapCursor);
    moveOver(window.optionFrame(), QPointF(500, 40));
    EXPECT_EQ(window.pointer(), WindowPointer::Default);
    moveOver(window.samplesButton());
    moveOver(window.centralWidget(), QPointF(530, 300));
    EXPECT_EQ(window.pointer(), WindowPointer::Default);
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainWindowTest, WithoutThePointerFileTheHandIsTheArrow)
{
    MainWindow& window = start();
    EXPECT_FALSE(window.hasCustomPointerImage());
    moveOver(window.saveTextButton());
    EXPECT_EQ(window.pointer(), WindowPointer::Custom);
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainWindowTest, HoverLeavesTheHourglassAlone)
{
    MainWindow& window = start();
    window.setPointer(WindowPointer::Hourglass);
    moveOver(window.startButton());
    moveOver(window.optionFrame());
    moveOver(window.fileList().viewport());
    moveOver(window.resultsList().viewport());
    EXPECT_EQ(window.pointer(), WindowPointer::Hourglass);
    EXPECT_EQ(window.cursor().shape(), Qt::WaitCursor);
}

TEST_F(MainWindowTest, UnreadablePointerFileIsReportedAndStartGoesOn)
{
    TempTree folder;
    folder.file("HAND-M.CUR", "not a cursor");
    desktop.platform.programFilesFolder = folder.root();
    MainWindow& window = start();
    const QStringList reports = desktop.messages->reports();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("Form_Load at line 108"));
    EXPECT_EQ(window.dateBox(StampKind::Accessed)->value(), 1);
}

TEST_F(MainWindowTest, HomePageOpensOnlyOnTheSeventhDrawAndOnlyWithAnAddress)
{
    desktop.randomValue = 0.065; // n = 7
    start();
    // The address is a build setting, empty by default: nothing opens.
    EXPECT_TRUE(desktop.shell->openedAddresses.isEmpty());
}

// Where a control stands in the client area, below the menu bar.
QRect inClient(const MainWindow& window, const QWidget* control)
{
    return QRect(control->mapTo(window.centralWidget(), QPoint(0, 0)), control->size());
}

// Within a pixel each way, as twips round to pixels.
void expectNear(QRect actual, QRect expected, const char* what)
{
    for (const auto& [a, e] : {std::pair{actual.left(), expected.left()},
                               {actual.top(), expected.top()},
                               {actual.width(), expected.width()},
                               {actual.height(), expected.height()}})
        EXPECT_LE(std::abs(a - e), 1) << what << ": " << actual.x() << "," << actual.y() << " "
                                      << actual.width() << "x" << actual.height();
}

TEST_F(MainWindowTest, LayoutFollowsTheTable)
{
    MainWindow& window = start();
    window.show();
    EXPECT_EQ(window.centralWidget()->size(),
              QSize(536, 618 + 40)); // the table's and the status bar
    // Pixels at 96 dpi: twips / 15.
    const struct {
        QWidget* control;
        QRect rect;
        const char* what;
    } table[] = {
        {&window.fileList(), {8, 8, 520, 169}, "file list"},
        {window.addFilesButton(), {8, 183, 256, 27}, "Add File(s)"},
        {window.addFolderButton(), {272, 183, 256, 27}, "Add All File(s) In Folder"},
        {window.clearListButton(), {8, 217, 256, 27}, "Clear List"},
        {window.samplesButton(), {272, 217, 256, 27}, "Load Sample/Example Files"},
        {window.optionFrame(), {8, 248, 520, 49}, "Option"},
        {window.dateBox(StampKind::Modified), {8 + 16, 248 + 20, 113, 15}, "Modified"},
        {window.dateBox(StampKind::Created), {8 + 128, 248 + 20, 113, 15}, "Created"},
        {window.dateBox(StampKind::Accessed), {8 + 240, 248 + 20, 113, 15}, "Accessed"},
        {window.startButton(), {8, 305, 520, 27}, "Start Extracting"},
        {&window.resultsList(), {8, 339, 520, 169}, "results"},
        {window.saveTextButton(), {8, 514, 256, 27}, "Save Results As Text File"},
        {window.saveWorkbookButton(), {272, 514, 256, 27}, "Save Results As Excel File"},
        {window.copyButton(), {8, 548, 256, 27}, "Copy Results To Clipboard"},
        {window.clearResultsButton(), {272, 548, 256, 27}, "Clear Results"},
        {&window.progressBar(), {8, 583, 520, 27}, "progress bar"},
        {window.statusBar(), {8, 614, 520, 40}, "status bar"},
    };
    for (const auto& [control, rect, what] : table)
        expectNear(inClient(window, control), rect, what);
    EXPECT_EQ(window.samplesButton()->text(), "Load Sample/Example Files");
    EXPECT_EQ(window.optionFrame()->title(), "Option");
    EXPECT_EQ(window.fileList().toolTip(), texts::kFileListHint());
    EXPECT_TRUE(window.saveWorkbookButton()->font().bold());
    EXPECT_DOUBLE_EQ(window.saveWorkbookButton()->font().pointSizeF(), 11.25);
}

TEST_F(MainWindowTest, ALargerWindowGivesTheListsTheRoom)
{
    MainWindow& window = start();
    window.show();
    const QSize before = window.size();
    window.resize(before + QSize(200, 100));
    QApplication::processEvents();
    EXPECT_EQ(inClient(window, &window.fileList()).width(), 720);
    EXPECT_EQ(window.addFolderButton()->width(), 356);
    EXPECT_EQ(inClient(window, window.addFolderButton()).left(), 372);
    EXPECT_EQ(window.startButton()->width(), 720);
    EXPECT_EQ(window.fileList().height() + window.resultsList().height(), 2 * 169 + 100);
    EXPECT_LE(std::abs(window.fileList().height() - window.resultsList().height()), 1);
    EXPECT_EQ(inClient(window, &window.progressBar()).top(), 583 + 100);
    EXPECT_EQ(inClient(window, window.dateBox(StampKind::Created)).topLeft(),
              inClient(window, window.optionFrame()).topLeft() + QPoint(128, 20));

    // Smaller than the table: the lists give up their height, down to a few rows each, and no
    // control is cut.
    window.resize(100, 100);
    QApplication::processEvents();
    EXPECT_LT(window.height(), before.height() - 150);
    const int rowHeight = window.resultsList().verticalHeader()->defaultSectionSize();
    for (const ListControl* list : {&window.fileList(), &window.resultsList()})
        EXPECT_GE(list->height(), 3 * rowHeight);
    for (const QPushButton* button : window.centralWidget()->findChildren<QPushButton*>()) {
        if (button->isVisible()) {
            EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
        }
    }
    EXPECT_LT(inClient(window, &window.progressBar()).bottom(),
              inClient(window, window.statusBar()).top());
    EXPECT_LE(inClient(window, window.statusBar()).bottom(), window.centralWidget()->height());
}

TEST_F(MainWindowTest, ARestartBringsBackTheSizeTheSplitAndTheWidthsTheUserSet)
{
    MainWindow& first = start();
    first.show();
    first.resize(first.size() + QSize(300, 120));
    first.splitter()->setSizes({200, 500});
    ListControl& results = first.resultsList();
    results.rows().addColumn("Filename");
    results.rows().addColumn("Date Modified", 0);
    results.horizontalHeader()->resizeSection(1, 321); // as a drag of the divider does
    const QSize size = first.size();
    const QList<int> split = first.splitter()->sizes();
    first.close();
    EXPECT_TRUE(desktop.settings->writes.filter("Geometry").isEmpty()); // a section of its own
    EXPECT_FALSE(desktop.settings->windowWrites.isEmpty());

    // The same settings, a new window: a new run of the program.
    FakeDesktop again;
    again.settings->values = desktop.settings->values;
    MainWindow second(again.take());
    second.show();
    EXPECT_EQ(second.size(), size);
    EXPECT_EQ(second.splitter()->sizes(), split);
    second.resultsList().rows().addColumn("Filename");
    second.resultsList().rows().addColumn("Date Modified", 0);
    EXPECT_EQ(second.resultsList().columnWidth(1), 321);
}

TEST_F(MainWindowTest, EveryMenuEntryHasItsCommandAndTheShortcutsAreNamed)
{
    MainWindow& window = start();
    const WindowActions& a = window.actions();
    // Entries with shortcuts show them; the buttons' tooltips name the same keys.
    EXPECT_EQ(a.quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(a.startExtracting->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_TRUE(window.startButton()->toolTip().endsWith("(F5)"));
    EXPECT_TRUE(a.remove->text().endsWith("\tDel"));
    for (QWidget* control : {static_cast<QWidget*>(window.clearListButton()),
                             static_cast<QWidget*>(window.dateBox(StampKind::Created)),
                             static_cast<QWidget*>(&window.progressBar())})
        EXPECT_FALSE(control->toolTip().isEmpty());
    EXPECT_EQ(window.fileList().accessibleName(), "File list");
    EXPECT_EQ(window.resultsList().accessibleName(), "Results");

    addFiles({"/a", "/b"});
    a.clearList->trigger();
    EXPECT_EQ(window.fileList().rows().rows(), 0);
    a.manual->trigger();
    EXPECT_EQ(desktop.help->manualsShown, 1);
    a.about->trigger();
    ASSERT_EQ(desktop.help->abouts.size(), 1);
    EXPECT_TRUE(desktop.help->abouts[0].contains("0.1.0"));
    EXPECT_TRUE(desktop.help->abouts[0].contains("support@"));
    window.show();
    a.quit->trigger();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, ClosingDuringALongOperationUnwindsWithoutMessages)
{
    MainWindow& window = start();
    addFiles({"/a", "/b", "/c"});
    desktop.yield->onYield = [&](int count) {
        if (count == 1)
            window.close();
    };
    window.startButton()->click();
    EXPECT_TRUE(desktop.messages->shown.empty()); // no "Done."
    EXPECT_LE(window.resultsList().rows().rows(), 1);
}

TEST_F(MainWindowTest, PathsOnTheCommandLineListWhatADropOfThemLists)
{
    TempTree tree;
    tree.file("D/a");
    tree.file("D/sub/b");
    tree.file("D/.hidden");
    const QString file = tree.file("F");
    MainWindow& window = start();
    const auto listed = [&] {
        QStringList paths;
        for (int i = 0; i < window.fileList().rows().rows(); ++i)
            paths.append(window.fileList().rows().text(i));
        return paths;
    };

    // As a file manager's "Open With" or a shell gives them: a folder relative to where the
    // program starts, a file, a path that does not exist, one after "--" that looks like an
    // option.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(tree.root()));
    const WindowArguments arguments =
        parseWindowArguments({"quillfen", "D/", file, tree.path("gone"), "--", "-F"});
    QDir::setCurrent(before);
    EXPECT_TRUE(arguments.unknownOption.isEmpty());
    window.openPaths(arguments.paths);
    QCoreApplication::sendPostedEvents();
    const QStringList opened = listed();
    const QString openedSummary = window.statusBar()->summary();
    EXPECT_EQ(opened, QStringList({tree.path("D/a"), tree.path("D/sub/b"), file}));
    // The path that does not exist is named; the others still came in.
    EXPECT_TRUE(openedSummary.startsWith("Added 3 files from 2 folders"))
        << openedSummary.toStdString();
    EXPECT_TRUE(openedSummary.contains("not found: " + tree.path("gone") + ", " + tree.path("-F")))
        << openedSummary.toStdString();

    window.actions().clearList->trigger();
    QMimeData drop;
    QList<QUrl> urls;
    for (const QString& path : {tree.path("D"), file, tree.path("gone"), tree.path("-F")})
        urls.append(QUrl::fromLocalFile(path));
    drop.setUrls(urls);
    emit window.fileList().dropped(&drop); // as a real drop arrives
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(listed(), opened);
    EXPECT_EQ(window.statusBar()->summary(), openedSummary);

    EXPECT_EQ(parseWindowArguments({"quillfen", "-x", "D"}).unknownOption, "-x");
}
