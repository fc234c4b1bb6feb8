#include "platform/DesktopSpreadsheet.h"
#include "platform/Failure.h"
#include "support/Printers.h"
#include "support/TempTree.h"
#include "support/XlsxReadBack.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <ctime>
#include <thread>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

// Finds the programs it is told of, answers the MIME query from a string and records each
// start instead of starting anything.
class RecordingLauncher final : public ProcessLauncher {
public:
    QString findExecutable(const QString& program) override { return onPath.value(program); }
    QString output(const QString& program, const QStringList& arguments) override
    {
        queries.append(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')));
        return mimeAnswer;
    }
    bool startDetached(const QString& program, const QStringList& arguments) override
    {
        started.append(QStringList(program) + arguments);
        return startWorks;
    }

    QMap<QString, QString> onPath; // program -> full path
    QString mimeAnswer;
    bool startWorks = true;
    QStringList queries;
    QList<QStringList> started; // program, then its arguments
};

const QString kSoffice = QStringLiteral("/opt/lo/soffice");
const QString kLibreoffice = QStringLiteral("/usr/bin/libreoffice");
const QString kXdgMime = QStringLiteral("/usr/bin/xdg-mime");
const QString kXdgOpen = QStringLiteral("/usr/bin/xdg-open");

struct FindCase {
    const char* name;
    QStringList onPath;
    QString mimeAnswer;
    QStringList command; // program and leading arguments; empty: none is found
};

void PrintTo(const FindCase& c, std::ostream* out)
{
    *out << c.name;
}

class FindCommand : public ::testing::TestWithParam<FindCase> {};

const QMap<QString, QString> kKnownPrograms{{QStringLiteral("soffice"), kSoffice},
                                            {QStringLiteral("libreoffice"), kLibreoffice},
                                            {QStringLiteral("xdg-mime"), kXdgMime},
                                            {QStringLiteral("xdg-open"), kXdgOpen}};

} // namespace

TEST_P(FindCommand, PrefersLibreOfficeThenTheDesktopDefault)
{
    const FindCase& c = GetParam();
    RecordingLauncher launcher;
    for (const QString& program : c.onPath)
        launcher.onPath.insert(program, kKnownPrograms.value(program));
    launcher.mimeAnswer = c.mimeAnswer;
    if (c.command.isEmpty()) {
        try {
            findSpreadsheetCommand(launcher);
            ADD_FAILURE() << "no failure";
        } catch (const Failure& failure) {
            EXPECT_TRUE(failure.description().contains("No spreadsheet application was found"));
        }
    } else {
        const SpreadsheetCommand command = findSpreadsheetCommand(launcher);
        EXPECT_EQ(QStringList(command.program) + command.arguments, c.command);
    }
    for (const QString& query : launcher.queries)
        EXPECT_EQ(query, kXdgMime + " query default " + kXlsxMimeType);
    EXPECT_TRUE(launcher.started.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, FindCommand,
    ::testing::Values(
        FindCase{"BothLibreOfficeNames",
                 {"soffice", "libreoffice", "xdg-mime", "xdg-open"},
                 "calc.desktop\n",
                 {kSoffice, "--calc", "-n"}},
        FindCase{"LibreofficeOnly", {"libreoffice"}, "", {kLibreoffice, "--calc", "-n"}},
        FindCase{"DesktopDefault", {"xdg-mime", "xdg-open"}, "gnumeric.desktop\n", {kXdgOpen}},
        FindCase{"NoDefaultForXlsx", {"xdg-mime", "xdg-open"}, " \n", {}},
        FindCase{"NoXdgOpen", {"xdg-mime"}, "gnumeric.desktop\n", {}},
        FindCase{"NoXdgMime", {"xdg-open"}, "gnumeric.desktop\n", {}},
        FindCase{"NothingAtAll", {}, "", {}}),
    [](const auto& test) { return std::string(test.param.name); });

namespace {

class DesktopSpreadsheet : public ::testing::Test {
protected:
    DesktopSpreadsheetApp& app()
    {
        if (!m_app) {
            auto own = std::make_unique<RecordingLauncher>();
            launcher = own.get();
            launcher->onPath = onPath;
            launcher->mimeAnswer = QStringLiteral("calc.desktop\n");
            m_app = std::make_unique<DesktopSpreadsheetApp>(std::move(own), tree.root());
        }
        return *m_app;
    }
    QStringList tempFiles() const { return QDir(tree.root()).entryList(QDir::Files); }

    TempTree tree;
    QMap<QString, QString> onPath{{QStringLiteral("soffice"), kSoffice}};
    RecordingLauncher* launcher = nullptr;

private:
    std::unique_ptr<DesktopSpreadsheetApp> m_app;
};

struct LaunchCase {
    const char* name;
    QMap<QString, QString> onPath;
    QStringList command;
};

void PrintTo(const LaunchCase& c, std::ostream* out)
{
    *out << c.name;
}

class LaunchCommand : public DesktopSpreadsheet,
                      public ::testing::WithParamInterface<LaunchCase> {};

} // namespace

TEST_P(LaunchCommand, ShowingWritesAFreshFileAndStartsTheApplicationOnIt)
{
    onPath = GetParam().onPath;
    for (int run = 0; run < 2; ++run) {
        std::unique_ptr<SpreadsheetInstance> instance = app().start();
        SpreadsheetWorkbook& workbook = instance->addWorkbook();
        workbook.setCell(1, 1, QStringLiteral("Filename"));
        workbook.setCell(2, 1, QStringLiteral("/home/a.txt"));
        workbook.autoFitColumns();
        EXPECT_EQ(tempFiles().size(), run) << "nothing is written before it is shown";
        instance->setVisible();
        instance->setVisible(); // already shown: no second file or start
    }
    ASSERT_EQ(launcher->started.size(), 2);
    ASSERT_EQ(tempFiles().size(), 2);
    QStringList opened;
    for (const QStringList& started : launcher->started) {
        EXPECT_EQ(started.mid(0, started.size() - 1), GetParam().command);
        const QString file = started.last();
        EXPECT_EQ(QFileInfo(file).absolutePath(), tree.root());
        EXPECT_TRUE(file.endsWith(".xlsx")) << file.toStdString();
        const SheetReadBack sheet = readBackXlsx(file);
        ASSERT_EQ(sheet.error, "");
        EXPECT_EQ(sheet.texts, (QMap<QString, QString>{{"A1", "Filename"}, {"A2", "/home/a.txt"}}));
        opened.append(file);
    }
    EXPECT_NE(opened[0], opened[1]) << "every export gets a file of its own";
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, LaunchCommand,
    ::testing::Values(
        LaunchCase{"LibreOffice", {{"soffice", kSoffice}}, {kSoffice, "--calc", "-n"}},
        LaunchCase{"DesktopDefault", {{"xdg-mime", kXdgMime}, {"xdg-open", kXdgOpen}}, {kXdgOpen}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(DesktopSpreadsheet, InstanceNeverShownWritesAndStartsNothing)
{
    std::unique_ptr<SpreadsheetInstance> instance = app().start();
    instance->addWorkbook().setCell(1, 1, QStringLiteral("x"));
    instance.reset();
    EXPECT_TRUE(launcher->started.isEmpty());
    EXPECT_TRUE(tempFiles().isEmpty());
}

TEST_F(DesktopSpreadsheet, MissingApplicationFailsAtStart)
{
    onPath.clear();
    EXPECT_THROW(app().start(), Failure);
}

TEST_F(DesktopSpreadsheet, ApplicationThatWillNotStartIsAFailureAndLeavesNoFile)
{
    app();
    launcher->startWorks = false;
    std::unique_ptr<SpreadsheetInstance> instance = app().start();
    instance->addWorkbook().setCell(1, 1, QStringLiteral("x"));
    try {
        instance->setVisible();
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.description(), "Cannot start the spreadsheet application " + kSoffice);
    }
    EXPECT_TRUE(tempFiles().isEmpty());
}

TEST_F(DesktopSpreadsheet, UnwritableTemporaryFolderIsAFailureAndStartsNothing)
{
    std::unique_ptr<SpreadsheetInstance> instance = app().start();
    instance->addWorkbook().setCell(1, 1, QStringLiteral("x"));
    ASSERT_TRUE(QDir(tree.root()).removeRecursively());
    EXPECT_THROW(instance->setVisible(), Failure);
    EXPECT_TRUE(launcher->started.isEmpty());
}

TEST_F(DesktopSpreadsheet, TheDesktopIsAskedOncePerExport)
{
    onPath = {{QStringLiteral("xdg-mime"), kXdgMime}, {QStringLiteral("xdg-open"), kXdgOpen}};
    app().start();                                                 // the export's check
    std::unique_ptr<SpreadsheetInstance> instance = app().start(); // its own instance
    EXPECT_EQ(launcher->queries.size(), 1);
    instance->addWorkbook().setCell(1, 1, QStringLiteral("x"));
    instance->setVisible();
    app().start(); // the next export asks again, in case the desktop changed
    EXPECT_EQ(launcher->queries.size(), 2);
}

TEST_F(DesktopSpreadsheet, ShowingRemovesOnlyOurOwnFilesOlderThanADay)
{
    const time_t now = std::time(nullptr);
    const time_t twoDaysAgo = now - 2 * 24 * 3600;
    const QStringList names{"quillfen-results-old.xlsx", "quillfen-results-recent.xlsx",
                            "someone-else.xlsx", "quillfen-results-old.txt"};
    for (const QString& name : names) {
        tree.file(name, "x");
        tree.setTimes(name, name.contains("recent") ? now - 3600 : twoDaysAgo, twoDaysAgo);
    }
    std::unique_ptr<SpreadsheetInstance> instance = app().start();
    instance->addWorkbook().setCell(1, 1, QStringLiteral("x"));
    instance->setVisible();
    ASSERT_EQ(launcher->started.size(), 1);
    QStringList expected = names.mid(1);
    expected.append(QFileInfo(launcher->started[0].last()).fileName());
    QStringList left = tempFiles();
    expected.sort();
    left.sort();
    EXPECT_EQ(left, expected);
}

// Writing the file while the window waits

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
    sheet.save(path, [&] {
        elsewhere = elsewhere || std::this_thread::get_id() != caller;
        sizesSeen.push_back(QFileInfo(path).size());
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
                                        throw ApplicationClosing{};
                                }),
                     ApplicationClosing)
            << throwAt;
        EXPECT_FALSE(QFileInfo::exists(path)) << throwAt;
        EXPECT_EQ(runningThreads(), threadsBefore) << throwAt;
    }
}

TEST_F(DesktopSpreadsheet, ClosingTheWindowWhileTheFileIsWrittenStartsNothingAndLeavesNoFile)
{
    std::unique_ptr<SpreadsheetInstance> instance = app().start();
    instance->setWaitStep([] { throw ApplicationClosing{}; });
    instance->addWorkbook().setCell(1, 1, QStringLiteral("x"));
    EXPECT_THROW(instance->setVisible(), ApplicationClosing);
    instance.reset();
    EXPECT_TRUE(launcher->started.isEmpty());
    EXPECT_TRUE(tempFiles().isEmpty());
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

// The real launcher, against stand-in programs on the PATH

namespace {

class PathGuard {
public:
    explicit PathGuard(const QString& path)
        : m_saved(qgetenv("PATH"))
    {
        qputenv("PATH", path.toLocal8Bit());
    }
    ~PathGuard() { qputenv("PATH", m_saved); }

private:
    QByteArray m_saved;
};

// A program that writes its arguments, one a line, to `record`.
void addRecordingProgram(TempTree& tree, const QString& name, const QString& record)
{
    const QString path =
        tree.file("bin/" + name, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record.toUtf8() + "'\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList waitForRecord(const QString& record)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20000) {
        QFile file(record);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray text = file.readAll();
            if (text.endsWith('\n'))
                return QString::fromUtf8(text).split('\n', Qt::SkipEmptyParts);
        }
        QThread::msleep(20);
    }
    return {QStringLiteral("<never started>")};
}

} // namespace

TEST(RealLauncher, StartsLibreOfficeFoundOnThePath)
{
    TempTree tree;
    tree.folder("bin");
    tree.folder("tmp");
    const QString record = tree.path("args");
    addRecordingProgram(tree, "soffice", record);
    const PathGuard path(tree.path("bin"));
    DesktopSpreadsheetApp app(std::make_unique<QtProcessLauncher>(), tree.path("tmp"));
    std::unique_ptr<SpreadsheetInstance> instance = app.start();
    instance->addWorkbook().setCell(1, 1, QStringLiteral("Filename"));
    instance->setVisible();
    const QStringList files = QDir(tree.path("tmp")).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(waitForRecord(record), QStringList({"--calc", "-n", tree.path("tmp/" + files[0])}));
}

TEST(RealLauncher, AsksTheDesktopForItsDefaultAndOpensWithIt)
{
    TempTree tree;
    tree.folder("bin");
    const QString record = tree.path("args");
    addRecordingProgram(tree, "xdg-open", record);
    tree.file("bin/xdg-mime",
              "#!/bin/sh\n[ \"$*\" = 'query default " + kXlsxMimeType.toUtf8()
                  + "' ] && echo calc.desktop\n");
    QFile::setPermissions(tree.path("bin/xdg-mime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const PathGuard path(tree.path("bin"));
    QtProcessLauncher launcher;
    const SpreadsheetCommand command = findSpreadsheetCommand(launcher);
    EXPECT_EQ(command.program, tree.path("bin/xdg-open"));
    EXPECT_TRUE(command.arguments.isEmpty());

    DesktopSpreadsheetApp app(std::make_unique<QtProcessLauncher>(), tree.root());
    std::unique_ptr<SpreadsheetInstance> instance = app.start();
    instance->addWorkbook().setCell(1, 1, QStringLiteral("Filename"));
    instance->setVisible();
    const QStringList started = waitForRecord(record);
    ASSERT_EQ(started.size(), 1);
    EXPECT_TRUE(started[0].endsWith(".xlsx"));
    EXPECT_TRUE(QFileInfo::exists(started[0]));
}
