#include "table/XlsxSheet.h"
#include "base/Failure.h"
#include "support/Printers.h"
#include "support/TempTree.h"
#include "support/XlsxReadBack.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <thread>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

// Writing the file while the caller waits

namespace {

int runningThreads()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/task"))
                                .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                                .size());
}

// Enough rows that putting the file together takes a good many wait steps.
void fillManyRows(XlsxSheet& sheet)
{
    for (int row = 1; row <= 60000; ++row) {
        sheet.set(row, 1, QStringLiteral("/home/ann/photos/%1/IMG_%2.jpg").arg(row % 97).arg(row));
        sheet.set(row, 2,
                  QStringLiteral("%1/%2/2021 10:%3:00 AM")
                      .arg(row % 12 + 1)
                      .arg(row % 28 + 1)
                      .arg(row % 60, 2, 10, QLatin1Char('0')));
    }
}

} // namespace

TEST(SavingASheet, WaitStepsRunOnTheCallingThreadWhileTheFileIsWritten)
{
    TempTree tree;
    const QString path = tree.path("book.xlsx");
    XlsxSheet sheet(tree.root());
    fillManyRows(sheet);
    std::vector<qint64> sizesSeen;
    bool elsewhere = false;
    const auto caller = std::this_thread::get_id();
    // The file is written under a name of its own in the folder and then put in place.
    const auto written = [&] {
        qint64 size = 0;
        for (const QFileInfo& file : QDir(tree.root()).entryInfoList(QDir::Files | QDir::Hidden))
            size += file.size();
        return size;
    };
    sheet.save(path, [&] {
        elsewhere = elsewhere || std::this_thread::get_id() != caller;
        sizesSeen.push_back(written());
    });
    const qint64 finalSize = QFileInfo(path).size();
    EXPECT_FALSE(elsewhere);
    ASSERT_GT(finalSize, 0);
    // A step that saw the file part-written ran while the worker was writing it.
    EXPECT_TRUE(std::any_of(sizesSeen.begin(), sizesSeen.end(), [&](qint64 size) {
        return size > 0 && size < finalSize;
    })) << ::testing::PrintToString(sizesSeen);
}

TEST(SavingASheet, AWaitStepThatThrowsLeavesNoFileAndNoThread)
{
    struct Stopped {};
    TempTree tree;
    const QString path = tree.path("book.xlsx");
    const int threadsBefore = runningThreads();
    for (const int throwAt : {1, 3}) {
        XlsxSheet sheet(tree.root());
        fillManyRows(sheet);
        int steps = 0;
        EXPECT_THROW(sheet.save(path,
                                [&] {
                                    if (++steps == throwAt)
                                        throw Stopped{};
                                }),
                     Stopped)
            << throwAt;
        EXPECT_FALSE(QFileInfo::exists(path)) << throwAt;
        EXPECT_EQ(runningThreads(), threadsBefore) << throwAt;
    }
}

TEST(SavingASheet, AFailedSaveLeavesTheEarlierFileAndNothingElse)
{
    struct Stopped {};
    TempTree tree;
    const QString path = tree.file("book.xlsx", "earlier workbook");
    XlsxSheet stopped(tree.root());
    fillManyRows(stopped);
    EXPECT_THROW(stopped.save(path, [] { throw Stopped{}; }), Stopped);
    XlsxSheet saved(tree.root());
    saved.set(1, 1, QStringLiteral("x"));
    EXPECT_THROW(saved.save(tree.path("no-such-folder/book.xlsx")), Failure);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "earlier workbook");
    EXPECT_EQ(QDir(tree.root()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList("book.xlsx"));
}

// The sheet and its file

namespace {

QString written(XlsxSheet& sheet, const TempTree& tree)
{
    const QString path = tree.path("book.xlsx");
    sheet.save(path);
    return path;
}

} // namespace

TEST(WorkbookWriter, EveryValueIsATextExactlyAsGiven)
{
    const QStringList values{"=1+2",     "123",        "1/2/2020 3:04:05 PM",
                             "TRUE",     "  padded  ", "tab\tbreak\nend",
                             "日本語 ü", "<&>\"'",     QString(XlsxSheet::kMaxCellText, 'x')};
    TempTree tree;
    XlsxSheet sheet(tree.root());
    for (int i = 0; i < values.size(); ++i)
        sheet.set(i + 1, 2, values[i]);
    sheet.set(values.size() + 1, 2, QString()); // an empty text leaves the cell empty
    const SheetReadBack back = readBackXlsx(written(sheet, tree));
    ASSERT_EQ(back.error, "");
    EXPECT_EQ(back.sheets, 1);
    ASSERT_EQ(back.texts.size(), values.size());
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(back.texts.value(QStringLiteral("B%1").arg(i + 1)), values[i]) << i;
    EXPECT_TRUE(back.otherValues.isEmpty());
    EXPECT_EQ(back.formulas, 0);
    for (const QString& type : back.types)
        EXPECT_TRUE(type == "s" || type == "inlineStr") << type.toStdString();
}

// The file stores a control character as _xHHHH_ (which spreadsheets decode; the reader used
// here shows the stored form), so a name that holds such a sequence must escape its own.
TEST(WorkbookWriter, ControlCharactersAndEscapeLookalikesAreStoredDecodably)
{
    TempTree tree;
    XlsxSheet sheet(tree.root());
    sheet.set(1, 1, QStringLiteral("/tmp/odd\x01name\x1f"));
    sheet.set(2, 1, QStringLiteral("/tmp/_x0041_ and _x00_ and _xABCD"));
    const SheetReadBack back = readBackXlsx(written(sheet, tree));
    ASSERT_EQ(back.error, "");
    EXPECT_EQ(back.texts.value("A1"), "/tmp/odd_x0001_name_x001F_");
    EXPECT_EQ(back.texts.value("A2"), "/tmp/_x005F_x0041_ and _x00_ and _xABCD");
}

TEST(WorkbookWriter, RowsFillFromTheTopDownAndTheLastTextOfACellWins)
{
    TempTree tree;
    XlsxSheet sheet(tree.root());
    sheet.set(1, 2, QStringLiteral("first"));
    sheet.set(1, 1, QStringLiteral("a"));
    sheet.set(1, 2, QStringLiteral("b"));
    sheet.set(3, 3, QStringLiteral("c"));
    sheet.set(3, 1, QStringLiteral("d"));
    sheet.set(3, 3, QString()); // emptied again
    // Rows above the one being filled are written already.
    EXPECT_THROW(sheet.set(2, 1, QStringLiteral("late")), Failure);
    EXPECT_THROW(sheet.set(1, 4, QStringLiteral("late")), Failure);
    // Too long for a cell: refused alone, the row goes on.
    EXPECT_THROW(sheet.set(3, 2, QString(XlsxSheet::kMaxCellText + 1, 'x')), Failure);
    sheet.set(3, 2, QStringLiteral("e"));
    const SheetReadBack back = readBackXlsx(written(sheet, tree));
    ASSERT_EQ(back.error, "");
    EXPECT_EQ(back.texts,
              (QMap<QString, QString>{{"A1", "a"}, {"B1", "b"}, {"A3", "d"}, {"B3", "e"}}));
}

TEST(WorkbookWriter, FittedWidthsFollowTheLongestTextUpToExcelsMaximum)
{
    TempTree tree;
    XlsxSheet sheet(tree.root());
    sheet.set(1, 1, QStringLiteral("Filename"));
    sheet.set(1, 2, QStringLiteral("日本語")); // wide characters count twice
    sheet.set(1, 3, QString(300, 'x'));
    sheet.set(1, 4, QString()); // nothing to fit: the default width stays
    sheet.set(1, 5, QString(40, 'x'));
    sheet.set(1, 5, QStringLiteral("short")); // a replaced text no longer counts
    sheet.set(2, 1, QStringLiteral("/a"));
    sheet.set(2, 6, QString(200, 'y')); // wider than a screen, still below the maximum
    sheet.fitColumns();
    const std::map<int, double> expected{
        {1, 8 + 2}, {2, 6 + 2}, {3, XlsxSheet::kMaxFittedWidth}, {5, 5 + 2}, {6, 200 + 2}};
    EXPECT_EQ(sheet.columnWidths(), expected);
    sheet.set(3, 1, QString(50, 'z')); // after the fitting: no longer measured

    const SheetReadBack back = readBackXlsx(written(sheet, tree));
    ASSERT_EQ(back.error, "");
    EXPECT_EQ(back.widths.keys(), QList<int>({1, 2, 3, 5, 6}));
    for (const auto& [column, width] : expected) {
        // The file rounds a width to whole pixels of the default font.
        EXPECT_GE(back.widths.value(column), width) << column;
        EXPECT_LT(back.widths.value(column), width + 1) << column;
    }
}

TEST(WorkbookWriter, CellOutsideTheSheetIsAFailure)
{
    TempTree tree;
    XlsxSheet sheet(tree.root());
    const std::pair<int, int> outside[] = {
        {0, 1}, {1, 0}, {kSheetRows + 1, 1}, {1, kSheetColumns + 1}};
    for (const auto& [row, column] : outside)
        EXPECT_THROW(sheet.set(row, column, QStringLiteral("x")), Failure) << row << ',' << column;
    EXPECT_NO_THROW(sheet.set(kSheetRows, kSheetColumns, QStringLiteral("last cell")));
}

TEST(WorkbookWriter, FileThatCannotBeWrittenIsAFailure)
{
    TempTree tree;
    XlsxSheet sheet(tree.root());
    sheet.set(1, 1, QStringLiteral("x"));
    const QString path = tree.path("no-such-folder/book.xlsx");
    try {
        sheet.save(path);
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.description().contains(path)) << failure.description().toStdString();
    }
}
