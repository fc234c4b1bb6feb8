// Desktop services that let the program down (a clipboard that refuses, a spreadsheet
// application that goes away) and dialogs that answer oddly. The user is told once, the lists
// stay as they were, and the window is never left busy.

#include "robustness/FaultMatrix.h"

#include "base/Texts.h"
#include "desktop/DesktopSpreadsheet.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <climits>

using namespace quillfen;
using namespace quillfen::test;

namespace {

class DesktopFault : public FaultMatrix {
protected:
    // Two ticked rows and the files they came from.
    void startWithResults()
    {
        start();
        addFiles({QStringLiteral("/a.txt"), QStringLiteral("/b.txt")});
        setResults({"Filename", "Date Modified"},
                   {{"/a.txt", "8/31/2021 10:15:00 AM"}, {"/b.txt", "1/2/2020 3:04:05 PM"}});
        m_results = resultRows();
        m_files = fileListTexts();
    }
    // Nothing lost and nothing left busy.
    Problems listsKept()
    {
        Problems problems;
        problems.equal(resultRows(), m_results, QStringLiteral("the results"));
        problems.equal(fileListTexts(), m_files, QStringLiteral("the file list"));
        problems.equal(static_cast<int>(mainWindow().pointer()),
                       static_cast<int>(WindowPointer::Default),
                       QStringLiteral("the pointer (0 is the arrow)"));
        return problems;
    }

    TempTree tree;

private:
    QList<QStringList> m_results;
    QStringList m_files;
};

const QString kExpectedClipboard =
    QStringLiteral("/a.txt\t8/31/2021 10:15:00 AM\r\n/b.txt\t1/2/2020 3:04:05 PM\r\n");

// Stands in for the program search and start of a real desktop, around a real script that the
// test can take away at the moment it chooses.
class ScriptLauncher final : public ProcessLauncher {
public:
    explicit ScriptLauncher(QString script)
        : m_script(std::move(script))
    {
    }

    QString findExecutable(const QString& program) override
    {
        const bool there =
            program == QLatin1String("soffice") && QFileInfo(m_script).isExecutable();
        if (vanishAfterFirstLookUp)
            QFile::remove(m_script);
        return there ? m_script : QString();
    }
    QString output(const QString&, const QStringList&) override { return {}; }
    bool startDetached(const QString& program, const QStringList& arguments) override
    {
        ++starts;
        return QProcess::startDetached(program, arguments);
    }

    bool vanishAfterFirstLookUp = false;
    int starts = 0;

private:
    QString m_script;
};

} // namespace

TEST_F(DesktopFault, ClipboardThatRefusesEveryAttemptIsReportedNotClaimedCopied)
{
    desktop.clipboard->failSets = INT_MAX;
    startWithResults();
    copyResults();
    Problems problems = listsKept();
    problems.equal(errorReports().size(), 1, QStringLiteral("error reports"));
    problems.equal(desktop.messages->shown.size(), size_t{1}, QStringLiteral("messages"));
    problems.expect(!desktop.messages->texts().contains(texts::kCopiedMessage()),
                    QStringLiteral("said it copied what it did not"));
    expectNone(problems);
}

TEST_F(DesktopFault, ClipboardThatRefusesOnlyToEmptyStillGetsTheText)
{
    desktop.clipboard->failClears = INT_MAX;
    startWithResults();
    copyResults();
    Problems problems = listsKept();
    problems.equal(desktop.messages->texts(), QStringList(texts::kCopiedMessage()),
                   QStringLiteral("messages"));
    problems.equal(desktop.clipboard->text.value_or(QString()), kExpectedClipboard,
                   QStringLiteral("the clipboard"));
    expectNone(problems);
}

TEST_F(DesktopFault, ClipboardBusyForAllButTheLastAttemptGetsTheText)
{
    desktop.clipboard->failSets = 999;
    startWithResults();
    copyResults();
    Problems problems = listsKept();
    problems.equal(desktop.messages->texts(), QStringList(texts::kCopiedMessage()),
                   QStringLiteral("messages"));
    problems.equal(desktop.clipboard->setAttempts, 1000, QStringLiteral("attempts"));
    expectNone(problems);
}

TEST_F(DesktopFault, SpreadsheetLostBetweenTheCheckAndTheExportIsReportedOnce)
{
    desktop.spreadsheet->workingStarts = 1;
    startWithResults();
    exportResults();
    Problems problems = listsKept();
    problems.equal(errorReports().size(), 1, QStringLiteral("error reports"));
    problems.equal(desktop.messages->shown.size(), size_t{1}, QStringLiteral("messages"));
    expectNone(problems);
}

TEST_F(DesktopFault, NoSpreadsheetAtAllGivesItsTwoMessagesAndNoReport)
{
    desktop.spreadsheet->workingStarts = 0;
    startWithResults();
    exportResults();
    Problems problems = listsKept();
    problems.equal(desktop.messages->texts(),
                   QStringList({texts::kNoSpreadsheetApp(), texts::kNoSpreadsheetForFeature()}),
                   QStringLiteral("messages"));
    expectNone(problems);
}

namespace {

struct VanishCase {
    const char* name;
    bool afterTheCheck; // gone right after the check, else while the workbook is filled
};

void PrintTo(const VanishCase& c, std::ostream* out)
{
    *out << c.name;
}

class SpreadsheetProgramVanishes : public DesktopFault,
                                   public ::testing::WithParamInterface<VanishCase> {};

} // namespace

// The real workbook writer with a spreadsheet program that is there for the check and gone
// when it is to be started: one report, which names the workbook, and the workbook stays for
// the user to open.
TEST_P(SpreadsheetProgramVanishes, IsReportedOnceAndKeepsTheWorkbook)
{
    const QString script = tree.file(QStringLiteral("bin/soffice"), "#!/bin/sh\nexit 0\n");
    setMode(script, 0755);
    const QString temp = tree.folder(QStringLiteral("temp"));
    auto launcher = std::make_unique<ScriptLauncher>(script);
    ScriptLauncher& program = *launcher;
    program.vanishAfterFirstLookUp = GetParam().afterTheCheck;
    desktop.platform.spreadsheet =
        std::make_unique<DesktopSpreadsheetApp>(std::move(launcher), temp);
    startWithResults();
    if (!GetParam().afterTheCheck) {
        desktop.yield->onYield = [&](int count) {
            if (count == 1)
                QFile::remove(script);
        };
    }
    exportResults();
    Problems problems = listsKept();
    const QStringList reports = errorReports();
    problems.equal(reports.size(), 1, QStringLiteral("error reports"));
    problems.expect(
        reports.value(0).contains(QStringLiteral("PushButton13_Click at line 112"))
            || reports.value(0).contains(QStringLiteral("PushButton13_Click at line 166")),
        QStringLiteral("the report names the start or the showing: ") + reports.value(0));
    problems.equal(desktop.messages->shown.size(), size_t{1}, QStringLiteral("messages"));
    const QList<QByteArray> kept = folderEntries(temp);
    problems.equal(kept.size(), qsizetype{1}, QStringLiteral("workbooks kept"));
    problems.expect(reports.value(0).contains(QString::fromUtf8(kept.value(0))),
                    QStringLiteral("the report names the workbook: ") + reports.value(0));
    expectNone(problems);
}

INSTANTIATE_TEST_SUITE_P(When, SpreadsheetProgramVanishes,
                         ::testing::Values(VanishCase{"RightAfterTheCheck", true},
                                           VanishCase{"WhileTheWorkbookIsFilled", false}),
                         [](const auto& test) { return std::string(test.param.name); });

// Odd answers from the dialogs and odd drops: whatever comes in is taken or left out, nothing
// already listed is disturbed, and no error report is shown.
TEST_F(DesktopFault, OddAnswersFromTheOpenDialogAreListedAsGiven)
{
    start();
    addFiles({QStringLiteral("/earlier.txt")});
    desktop.fileDialogs->openAnswers = {{QStringLiteral("/folder/"), QStringLiteral("/folder/")},
                                        {QStringLiteral("/new\nline.txt")},
                                        {QStringLiteral("/f/a\tb"), "/f/" + QString(4000, u'x')}};
    for (int i = 0; i < 3; ++i)
        mainWindow().addFilesButton()->click();
    Problems problems;
    problems.equal(fileListTexts(),
                   QStringList({"/earlier.txt", "/folder/", "/folder/", "/new\nline.txt", "/f/a\tb",
                                "/f/" + QString(4000, u'x')}),
                   QStringLiteral("the file list"));
    problems.equal(desktop.messages->texts(), QStringList(), QStringLiteral("messages"));
    expectNone(problems);
}

TEST_F(DesktopFault, OddExtensionsScanWithoutAMessage)
{
    tree.file(QStringLiteral("R/a.txt"));
    tree.file(QStringLiteral("R/[x].txt"));
    start();
    for (const QString& extension :
         {QStringLiteral(".."), QStringLiteral("*?*"), QStringLiteral("["), QStringLiteral("\\"),
          QStringLiteral("/"), QString(10000, u'*') + QStringLiteral("x"), QStringLiteral("]")})
        scan(extension, tree.path(QStringLiteral("R")));
    Problems problems;
    problems.equal(desktop.messages->texts(), QStringList(), QStringLiteral("messages"));
    // "*?*" matches both files; "*.*…*x" none, the others nothing either.
    problems.equal(fileListTexts().size(), 2, QStringLiteral("entries listed"));
    expectNone(problems);
}

TEST_F(DesktopFault, GarbledSampleListAddsWhatExistsAndAsksAsUsual)
{
    const QString sample = tree.file(QStringLiteral("s.txt"));
    desktop.settings->values[settingsKey(QStringLiteral("Snapshot"))] =
        QStringLiteral("|||/nonexistent||") + QString(5000, u'y') + QLatin1Char('|') + sample
        + QStringLiteral("|\n|") + sample;
    start();
    mainWindow().samplesButton()->click();
    Problems problems;
    problems.equal(fileListTexts(), QStringList(sample), QStringLiteral("the file list"));
    problems.equal(desktop.messages->texts(), QStringList(texts::kOpenSamplesQuestion()),
                   QStringLiteral("messages"));
    expectNone(problems);
}

TEST_F(DesktopFault, DropOfVanishedAndSpecialEntriesKeepsWhatIsThere)
{
    const QString pipe = tree.fifo(QStringLiteral("pipe"));
    const QString dangling =
        tree.symlink(tree.path(QStringLiteral("nowhere")), QStringLiteral("dangling"));
    const QString locked = tree.folder(QStringLiteral("locked"));
    tree.file(QStringLiteral("locked/inside.txt"));
    start();
    mainWindow().show();
    addFiles({QStringLiteral("/earlier.txt")});
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(tree.path(QStringLiteral("vanished"))),
                  QUrl::fromLocalFile(pipe), QUrl::fromLocalFile(dangling),
                  QUrl(QStringLiteral("https://example.invalid/x")), QUrl::fromLocalFile(locked)});
    emit mainWindow().fileList().dropped(&data); // as a real drop arrives
    QCoreApplication::sendPostedEvents();        // where the window walks it
    Problems problems;
    problems.equal(fileListTexts(),
                   QStringList({"/earlier.txt", pipe, dangling, tree.path("locked/inside.txt")}),
                   QStringLiteral("the file list"));
    problems.equal(desktop.messages->texts(), QStringList(), QStringLiteral("messages"));
    expectNone(problems);
}
