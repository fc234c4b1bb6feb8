#include "desktop/DesktopSpreadsheet.h"
#include "base/Failure.h"
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
        const SpreadsheetLaunch command = findSpreadsheetCommand(launcher);
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

TEST_F(DesktopSpreadsheet, ApplicationThatWillNotStartIsAFailureThatNamesTheKeptWorkbook)
{
    app();
    launcher->startWorks = false;
    std::unique_ptr<SpreadsheetInstance> instance = app().start();
    instance->addWorkbook().setCell(1, 1, QStringLiteral("x"));
    try {
        instance->setVisible();
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        ASSERT_EQ(tempFiles().size(), 1);
        EXPECT_EQ(failure.description(),
                  "Cannot start the spreadsheet application " + kSoffice
                      + ". The workbook is kept as " + tree.path(tempFiles()[0]) + ".");
    }
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

TEST_F(DesktopSpreadsheet, ClosingTheWindowWhileTheFileIsWrittenStartsNothingAndLeavesNoFile)
{
    std::unique_ptr<SpreadsheetInstance> instance = app().start();
    struct WindowClosed {};
    instance->setWaitStep([] { throw WindowClosed{}; });
    instance->addWorkbook().setCell(1, 1, QStringLiteral("x"));
    EXPECT_THROW(instance->setVisible(), WindowClosed);
    instance.reset();
    EXPECT_TRUE(launcher->started.isEmpty());
    EXPECT_TRUE(tempFiles().isEmpty());
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

TEST(RealLauncher, ApplicationEndingAtOnceWithAFailureIsOneAndKeepsTheWorkbook)
{
    TempTree tree;
    tree.folder("tmp");
    const QString soffice = tree.file("bin/soffice", "#!/bin/sh\nexit 3\n");
    QFile::setPermissions(soffice, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const PathGuard path(tree.path("bin"));
    DesktopSpreadsheetApp app(std::make_unique<QtProcessLauncher>(), tree.path("tmp"));
    std::unique_ptr<SpreadsheetInstance> instance = app.start();
    instance->addWorkbook().setCell(1, 1, QStringLiteral("Filename"));
    int waits = 0;
    instance->setWaitStep([&] { ++waits; });
    try {
        instance->setVisible();
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        const QStringList files = QDir(tree.path("tmp")).entryList(QDir::Files);
        ASSERT_EQ(files.size(), 1);
        EXPECT_TRUE(failure.description().contains("ended with status 3"));
        EXPECT_TRUE(failure.description().contains(tree.path("tmp/" + files[0])));
    }
    EXPECT_GT(waits, 0);
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
    const SpreadsheetLaunch command = findSpreadsheetCommand(launcher);
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
