#include "commands/SpreadsheetExportCommand.h"
#include "desktop/DesktopSpreadsheet.h"
#include "support/Stamps.h"
#include "support/TempTree.h"
#include "support/WindowFixture.h"
#include "support/XlsxReadBack.h"

#include <QDir>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

using Cells = std::map<std::pair<int, int>, QString>;

const QString kLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton13_Click at line ");

class SpreadsheetExport : public WindowFixture {
protected:
    // Three rows, the second unticked; the third has no creation date.
    void setExample()
    {
        setResults({"Filename", "Date Modified", "Date Created"},
                   {{"/home/ann/a.txt", "8/31/2021 10:15:00 AM", "8/30/2021 9:00:00 AM"},
                    {"/home/ann/b.txt", "1/2/2020 3:04:05 PM", "1/1/2020 1:00:00 AM"},
                    {"/home/ann/c.txt", "12/24/2019 11:59:59 PM", ""}});
        results().setChecked(1, false);
    }
    RowModel& results() { return mainWindow().resultsList().rows(); }
    const std::deque<FakeSpreadsheet>& started() const { return desktop.spreadsheet->started; }
    void click() { mainWindow().saveWorkbookButton()->click(); }
};

const Cells kExampleCells{
    {{1, 1}, "Filename"},
    {{1, 2}, "Date Modified"},
    {{1, 3}, "Date Created"},
    {{2, 1}, "/home/ann/a.txt"},
    {{2, 2}, "8/31/2021 10:15:00 AM"},
    {{2, 3}, "8/30/2021 9:00:00 AM"},
    {{4, 1}, "/home/ann/c.txt"},
    {{4, 2}, "12/24/2019 11:59:59 PM"},
    {{4, 3}, ""},
};

} // namespace

TEST_F(SpreadsheetExport, ThreeRowExampleLeavesTheUntickedRowEmpty)
{
    start();
    setExample();
    QList<bool> busy;
    desktop.yield->onYield = [&](int) { busy.append(mainWindow().isBusy()); };
    click();

    // The check starts one instance and drops it unseen; the export fills and shows its own.
    ASSERT_EQ(started().size(), 2u);
    EXPECT_EQ(started()[0].workbooks, 0);
    EXPECT_FALSE(started()[0].visible);
    EXPECT_TRUE(started()[0].released);
    const FakeSpreadsheet& sheet = started()[1];
    EXPECT_EQ(sheet.cells, kExampleCells);
    EXPECT_EQ(sheet.workbooks, 1);
    EXPECT_EQ(sheet.autoFits, 1);
    EXPECT_TRUE(sheet.visible);
    EXPECT_TRUE(sheet.released);

    EXPECT_TRUE(desktop.messages->shown.empty());
    EXPECT_EQ(mainWindow().pointer(), WindowPointer::Default);
    // One yield per header cell, per results row and per cell of a ticked row, all while busy.
    EXPECT_EQ(busy, QList<bool>(3 + 3 + 2 * 3, true));
}

TEST_F(SpreadsheetExport, EqualsSignsGoFromLaterColumnsOnly)
{
    start();
    setResults({"File=name", "Date=Modified", "Date Accessed"}, {{"/a=b/=c", "==1+1=", "x=y"}});
    click();
    ASSERT_EQ(started().size(), 2u);
    EXPECT_EQ(started()[1].cells,
              (Cells{{{1, 1}, "File=name"},
                     {{1, 2}, "Date=Modified"},
                     {{1, 3}, "Date Accessed"},
                     {{2, 1}, "/a=b/=c"},
                     {{2, 2}, "1+1"},
                     {{2, 3}, "xy"}}));
}

namespace {

struct ShapeCase {
    const char* name;
    QStringList headers;
    QList<QStringList> rows;
    QList<int> unticked;
    Cells cells;
};

void PrintTo(const ShapeCase& c, std::ostream* out)
{
    *out << c.name;
}

class Shapes : public SpreadsheetExport, public ::testing::WithParamInterface<ShapeCase> {};

} // namespace

TEST_P(Shapes, SheetFollowsTheList)
{
    const ShapeCase& c = GetParam();
    start();
    setResults(c.headers, c.rows);
    for (int row : c.unticked)
        results().setChecked(row, false);
    click();
    ASSERT_EQ(started().size(), 2u);
    EXPECT_EQ(started()[1].cells, c.cells);
    EXPECT_TRUE(started()[1].visible);
    EXPECT_TRUE(desktop.messages->shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Shapes,
    ::testing::Values(ShapeCase{"AllUntickedGivesHeadersOnly",
                                {"Filename", "Date Accessed"},
                                {{"/a", "1/1/2021 1:00:00 AM"}, {"/b", "1/1/2021 2:00:00 AM"}},
                                {0, 1},
                                {{{1, 1}, "Filename"}, {{1, 2}, "Date Accessed"}}},
                      ShapeCase{"FilenameAloneGivesOneColumn",
                                {"Filename"},
                                {{"/a"}, {"/b"}},
                                {},
                                {{{1, 1}, "Filename"}, {{2, 1}, "/a"}, {{3, 1}, "/b"}}},
                      ShapeCase{"UntickedFirstAndLastRowsStayEmpty",
                                {"Filename"},
                                {{"/a"}, {"/b"}, {"/c"}},
                                {0, 2},
                                {{{1, 1}, "Filename"}, {{3, 1}, "/b"}}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(SpreadsheetExport, EmptyResultsEndSilentlyAfterTheCheck)
{
    start();
    click(); // no columns either
    setResults({"Filename", "Date Modified"}, {});
    click();
    ASSERT_EQ(started().size(), 2u); // one check per click
    for (const FakeSpreadsheet& instance : started()) {
        EXPECT_EQ(instance.workbooks, 0);
        EXPECT_FALSE(instance.visible);
    }
    EXPECT_TRUE(desktop.messages->shown.empty());
    EXPECT_EQ(mainWindow().pointer(), WindowPointer::Default);
}

namespace {

void expectTheTwoNoApplicationMessages(const FakeMessageBoxes& messages, const QString& caption)
{
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.texts(),
              QStringList({"Excel is not installed on this computer. You need to have it installed "
                           "to use this software without error.",
                           "Excel is not installed on this computer. You need to have it installed "
                           "to use this feature."}));
    for (const ShownMessage& message : messages.shown) {
        EXPECT_EQ(message.caption, caption);
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
        EXPECT_EQ(message.icon, MessageIcon::None);
    }
}

} // namespace

TEST_F(SpreadsheetExport, ApplicationThatWillNotStartGivesTwoMessagesInOrder)
{
    desktop.spreadsheet->workingStarts = 0;
    start();
    setExample();
    click();
    expectTheTwoNoApplicationMessages(*desktop.messages, mainWindow().appTitle());
    EXPECT_EQ(desktop.spreadsheet->startAttempts, 1);
    EXPECT_EQ(mainWindow().pointer(), WindowPointer::Default);
}

namespace {

// Records the starts; finds only the programs it is given.
class RecordingLauncher final : public ProcessLauncher {
public:
    QString findExecutable(const QString& program) override { return onPath.value(program); }
    QString output(const QString&, const QStringList&) override { return {}; }
    bool startDetached(const QString& program, const QStringList& arguments) override
    {
        started.append(QStringList(program) + arguments);
        return true;
    }

    QMap<QString, QString> onPath;
    QList<QStringList> started;
};

class RealWorkbook : public SpreadsheetExport {
protected:
    void useDesktopSpreadsheet(const QMap<QString, QString>& onPath)
    {
        auto own = std::make_unique<RecordingLauncher>();
        launcher = own.get();
        launcher->onPath = onPath;
        desktop.platform.spreadsheet =
            std::make_unique<DesktopSpreadsheetApp>(std::move(own), tree.root());
        desktop.spreadsheet = nullptr;
    }

    TempTree tree;
    RecordingLauncher* launcher = nullptr;
};

} // namespace

TEST_F(RealWorkbook, NoSpreadsheetApplicationOnThePathGivesTwoMessagesInOrder)
{
    useDesktopSpreadsheet({});
    start();
    setExample();
    click();
    expectTheTwoNoApplicationMessages(*desktop.messages, mainWindow().appTitle());
    EXPECT_TRUE(launcher->started.isEmpty());
}

TEST_F(RealWorkbook, ThreeRowExampleReadBackFromTheWrittenFile)
{
    useDesktopSpreadsheet({{"soffice", "/usr/bin/soffice"}});
    start();
    setExample();
    results().setText(0, "/home/ann/x=1.txt");
    results().setSubItem(0, 1, "=8/31/2021 10:15:00 AM");
    click();
    EXPECT_TRUE(desktop.messages->shown.empty());
    ASSERT_EQ(launcher->started.size(), 1);
    const QStringList command = launcher->started[0];
    ASSERT_EQ(command.size(), 4);
    EXPECT_EQ(command.mid(0, 3), QStringList({"/usr/bin/soffice", "--calc", "-n"}));

    const SheetReadBack sheet = readBackXlsx(command[3]);
    ASSERT_EQ(sheet.error, "");
    EXPECT_EQ(sheet.sheets, 1);
    EXPECT_EQ(sheet.texts,
              (QMap<QString, QString>{{"A1", "Filename"},
                                      {"B1", "Date Modified"},
                                      {"C1", "Date Created"},
                                      {"A2", "/home/ann/x=1.txt"},
                                      {"B2", "8/31/2021 10:15:00 AM"},
                                      {"C2", "8/30/2021 9:00:00 AM"},
                                      {"A4", "/home/ann/c.txt"},
                                      {"B4", "12/24/2019 11:59:59 PM"}}));
    EXPECT_TRUE(sheet.otherValues.isEmpty());
    EXPECT_EQ(sheet.formulas, 0);
    for (const QString& type : sheet.types)
        EXPECT_TRUE(type == "s" || type == "inlineStr") << type.toStdString();
    ASSERT_EQ(sheet.widths.keys(), QList<int>({1, 2, 3}));
    EXPECT_GE(sheet.widths.value(1), QString("/home/ann/x=1.txt").size());
    EXPECT_GE(sheet.widths.value(2), QString("12/24/2019 11:59:59 PM").size());
    EXPECT_GE(sheet.widths.value(3), QString("8/30/2021 9:00:00 AM").size());
}

namespace {

// Whether the export's workbook file has been made in `folder` (it is being written then, or
// has been written).
bool workbookFileIn(const QString& folder)
{
    return !QDir(folder).entryList({QStringLiteral("*.xlsx")}, QDir::Files).isEmpty();
}

} // namespace

TEST_F(RealWorkbook, TheWindowGoesOnWhileTheFileIsWritten)
{
    useDesktopSpreadsheet({{"soffice", "/usr/bin/soffice"}});
    start();
    setExample();
    int yieldsWhileWriting = 0;
    desktop.yield->onYield = [&](int) {
        if (workbookFileIn(tree.root()) && launcher->started.isEmpty()) {
            ++yieldsWhileWriting;
            EXPECT_TRUE(mainWindow().isBusy());
        }
    };
    click();
    EXPECT_GE(yieldsWhileWriting, 1);
    EXPECT_EQ(launcher->started.size(), 1);
    EXPECT_TRUE(desktop.messages->shown.empty());
    EXPECT_EQ(mainWindow().pointer(), WindowPointer::Default);
}

TEST_F(RealWorkbook, ClosingTheWindowWhileTheFileIsWrittenLeavesNoFileAndStartsNothing)
{
    useDesktopSpreadsheet({{"soffice", "/usr/bin/soffice"}});
    start();
    setExample();
    desktop.yield->onYield = [&](int) {
        if (workbookFileIn(tree.root()))
            mainWindow().close();
    };
    click();
    EXPECT_TRUE(QDir(tree.root()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(launcher->started.isEmpty());
    EXPECT_TRUE(desktop.messages->shown.empty());
}

// Mended: an application that starts for the check but not for the export used to give one
// report for every later step and every cell.
TEST_F(SpreadsheetExport, ApplicationLostAfterTheCheckIsReportedOnceAndEndsTheExport)
{
    desktop.spreadsheet->workingStarts = 1;
    start();
    setExample();
    click();
    EXPECT_EQ(desktop.messages->texts().size(), 1);
    ASSERT_EQ(desktop.messages->reports().size(), 1);
    EXPECT_TRUE(desktop.messages->reports()[0].contains(kLocation + "112\r\r"));
    EXPECT_EQ(mainWindow().pointer(), WindowPointer::Default);
    EXPECT_EQ(started().size(), 1u);
}

namespace {

struct FailingCellCase {
    std::pair<int, int> cell;
    int marker;
};

void PrintTo(const FailingCellCase& c, std::ostream* out)
{
    *out << "cell " << c.cell.first << ',' << c.cell.second << ", step " << c.marker;
}

class FailingCell : public SpreadsheetExport,
                    public ::testing::WithParamInterface<FailingCellCase> {};

} // namespace

TEST_P(FailingCell, IsReportedWithItsStepAndTheExportGoesOn)
{
    desktop.spreadsheet->failingCells = {GetParam().cell};
    start();
    setExample();
    click();
    const QStringList reports = desktop.messages->reports();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(kLocation + QString::number(GetParam().marker) + "\r\r"))
        << reports[0].toStdString();
    Cells expected = kExampleCells;
    expected.erase(GetParam().cell);
    ASSERT_EQ(started().size(), 2u);
    EXPECT_EQ(started()[1].cells, expected);
    EXPECT_TRUE(started()[1].visible);
    EXPECT_EQ(mainWindow().pointer(), WindowPointer::Default);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, FailingCell,
    ::testing::Values(FailingCellCase{{1, 1}, 124}, FailingCellCase{{1, 3}, 128},
                      FailingCellCase{{4, 1}, 150}, FailingCellCase{{2, 2}, 154}),
    [](const auto& test) { return "Step" + std::to_string(test.param.marker); });

// Mended: rows past the end of the sheet used to fail once per cell.
TEST_F(SpreadsheetExport, RowsPastTheSheetAreLeftOutAndToldOnce)
{
    start();
    setResults(
        {"Filename", "Date Modified"},
        {{"/1", "d1"}, {"/2", "d2"}, {"/3", "d3"}, {"/4", "d4"}, {"/5", "d5"}, {"/6", "d6"}});
    results().setChecked(4, false);
    exportResultsToSpreadsheet(mainWindow().workspace(), desktop.spreadsheet,
                               4); // the header and three results rows fit

    ASSERT_EQ(started().size(), 2u);
    const FakeSpreadsheet& sheet = started()[1];
    EXPECT_EQ(sheet.cells.rbegin()->first, std::pair(4, 2));
    EXPECT_EQ(sheet.cells.size(), 4u * 2u);
    EXPECT_TRUE(sheet.visible);
    EXPECT_TRUE(desktop.messages->reports().isEmpty());
    ASSERT_EQ(desktop.messages->shown.size(), 1u);
    const ShownMessage& message = desktop.messages->shown[0];
    EXPECT_EQ(message.text,
              "Only the first 3 results rows fit into the sheet, whose first row "
              "holds the headers. Ticked rows after them that are not in the "
              "workbook: 2.");
    EXPECT_EQ(message.caption, mainWindow().appTitle());
    EXPECT_EQ(message.icon, MessageIcon::Warning);
    EXPECT_EQ(mainWindow().pointer(), WindowPointer::Default);
}

TEST_F(SpreadsheetExport, UntickedRowsPastTheSheetLoseNothingAndAreNotMentioned)
{
    start();
    setResults({"Filename"}, {{"/1"}, {"/2"}, {"/3"}, {"/4"}});
    results().setChecked(2, false);
    results().setChecked(3, false);
    exportResultsToSpreadsheet(mainWindow().workspace(), desktop.spreadsheet, 3);
    ASSERT_EQ(started().size(), 2u);
    EXPECT_EQ(started()[1].cells, (Cells{{{1, 1}, "Filename"}, {{2, 1}, "/1"}, {{3, 1}, "/2"}}));
    EXPECT_TRUE(desktop.messages->shown.empty());
}

namespace {

// The list changes at the n-th yield: "Clear Results", or a new extraction run that has just
// replaced the columns and removed the rows.
enum class Change { ClearResults, NewRun };

void PrintTo(Change change, std::ostream* out)
{
    *out << (change == Change::ClearResults ? "ClearResults" : "NewRun");
}

class ListChangedMidExport : public SpreadsheetExport,
                             public ::testing::WithParamInterface<std::tuple<Change, int>> {};

} // namespace

TEST_P(ListChangedMidExport, EndsWithoutAReportAndShowsWhatItHad)
{
    const auto [change, atYield] = GetParam();
    start();
    setExample();
    desktop.yield->onYield = [&, change = change, atYield = atYield](int count) {
        if (count != atYield)
            return;
        if (change == Change::NewRun) {
            results().removeAllColumns();
            results().addColumn("Filename");
        }
        results().removeAllRows();
    };
    click();
    EXPECT_TRUE(desktop.messages->shown.empty());
    ASSERT_EQ(started().size(), 2u);
    EXPECT_TRUE(started()[1].visible);
    for (const auto& [cell, text] : started()[1].cells)
        EXPECT_EQ(text, kExampleCells.at(cell));
    EXPECT_EQ(mainWindow().pointer(), WindowPointer::Default);
}

INSTANTIATE_TEST_SUITE_P(EveryYield, ListChangedMidExport,
                         ::testing::Combine(::testing::Values(Change::ClearResults, Change::NewRun),
                                            ::testing::Range(1, 13)),
                         [](const auto& test) {
                             return ::testing::PrintToString(std::get<0>(test.param)) + "AtYield"
                                 + std::to_string(std::get<1>(test.param));
                         });

TEST_F(SpreadsheetExport, ClosingTheWindowMidExportShowsNothing)
{
    start();
    setExample();
    desktop.yield->onYield = [&](int count) {
        if (count == 5)
            mainWindow().close();
    };
    click();
    EXPECT_TRUE(desktop.messages->shown.empty());
    ASSERT_EQ(started().size(), 2u);
    EXPECT_FALSE(started()[1].visible);
    EXPECT_TRUE(started()[1].released);
}

TEST_F(RealWorkbook, DatesAreDateValuesShownAsTheWindowShowsThem)
{
    tree.file("files/summer.txt");
    tree.file("files/midnight.txt");
    tree.setTimes("files/summer.txt", kSummer, kSummer);
    tree.setTimes("files/midnight.txt", kBerlinMidnight, kBerlinMidnight);
    const struct {
        QLocale locale;
        const char* dateTime;
        const char* dateOnly;
    } locales[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), R"(m"/"d"/"yyyy" "h":"mm":"ss" "AM/PM)",
         R"(m"/"d"/"yyyy)"},
        {QLocale(QLocale::German, QLocale::Germany), R"(dd"."mm"."yyyy" "hh":"mm":"ss)",
         R"(dd"."mm"."yyyy)"},
    };
    useDesktopSpreadsheet({{"soffice", "/usr/bin/soffice"}});
    start();
    addFiles({tree.path("files/summer.txt"), tree.path("files/midnight.txt"),
              tree.path("files/gone.txt")});
    mainWindow().dateBox(StampKind::Created)->setValue(0);
    mainWindow().dateBox(StampKind::Accessed)->setValue(0);
    for (const auto& [locale, dateTime, dateOnly] : locales) {
        QLocale::setDefault(locale);
        mainWindow().startButton()->click();
        click();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_FALSE(launcher->started.isEmpty());
        const SheetReadBack sheet = readBackXlsx(launcher->started.last().last());
        ASSERT_EQ(sheet.error, "");
        // Wall-clock times in Berlin; the path and the missing file's cell stay as they were.
        EXPECT_EQ(
            sheet.dates,
            (QMap<QString, QString>{{"B2", "2021-06-30T16:30:15"}, {"B3", "2021-08-31T00:00:00"}}));
        EXPECT_EQ(sheet.dateFormats, (QMap<QString, QString>{{"B2", dateTime}, {"B3", dateOnly}}))
            << locale.name().toStdString();
        EXPECT_EQ(sheet.texts.value("A4"), tree.path("files/gone.txt"));
        EXPECT_FALSE(sheet.texts.contains("B4"));
        EXPECT_TRUE(sheet.otherValues.isEmpty());
    }
}
