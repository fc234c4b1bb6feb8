#include "commands/TextReportCommand.h"
#include "support/TempTree.h"
#include "support/Unprivileged.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class TextReport : public WindowFixture {
protected:
    void setExample()
    {
        setResults({"Filename", "Date Modified"},
                   {{"C:\\a.txt", "8/31/2021 10:15:00 AM"},
                    {"C:\\docs\\report.doc", "1/2/2020 3:04:05 PM"}});
    }
    QString saveTo(const QString& name)
    {
        const QString path = tree.path(name);
        desktop.fileDialogs->saveAnswers = {path};
        mainWindow().saveTextButton()->click();
        return path;
    }

    TempTree tree;
};

const QByteArray kExampleHeader = "Filename          \tDate Modified        \t\r\n";
const QByteArray kExampleRow1 = "C:\\a.txt          \t8/31/2021 10:15:00 AM\t\r\n";
const QByteArray kExampleRow2 = "C:\\docs\\report.doc\t1/2/2020 3:04:05 PM  \t\r\n";

} // namespace

TEST_F(TextReport, WorkedExampleByteForByte)
{
    start();
    setExample();
    const QString path = saveTo("report.txt");
    EXPECT_EQ(readAll(path), kExampleHeader + kExampleRow1 + kExampleRow2);
    EXPECT_EQ(desktop.fileDialogs->titles, QStringList("Save"));
    EXPECT_EQ(desktop.fileDialogs->filters,
              QStringList("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"));
    EXPECT_TRUE(desktop.messages->shown.empty());
    EXPECT_EQ(mainWindow().pointer(), WindowPointer::Default);
    EXPECT_EQ(mainWindow().progressBar().position(), 0);
    EXPECT_EQ(mainWindow().progressBar().caption(), "Progress Bar");
}

TEST_F(TextReport, UntickedRowStillSetsTheWidths)
{
    start();
    setExample();
    mainWindow().resultsList().rows().setChecked(1, false);
    EXPECT_EQ(readAll(saveTo("r")), kExampleHeader + kExampleRow1);
}

TEST_F(TextReport, ShapesWithoutRowsOrColumns)
{
    start();
    EXPECT_EQ(readAll(saveTo("no-columns")), "\r\n");
    setResults({"Filename", "Date Accessed"}, {});
    EXPECT_EQ(readAll(saveTo("header-only")), "Filename\tDate Accessed\t\r\n");
    setResults({"Filename", "Date Accessed"}, {{"/a", ""}});
    EXPECT_EQ(readAll(saveTo("empty-cell")),
              "Filename\tDate Accessed\t\r\n/a      \t             \t\r\n");
}

TEST_F(TextReport, WritesUtf8WithoutAByteOrderMark)
{
    start();
    setResults({"Filename"}, {{"/ü"}, {"/日本"}});
    EXPECT_EQ(readAll(saveTo("u")), QByteArray("Filename\t\r\n/ü      \t\r\n/日本     \t\r\n"));
}

TEST_F(TextReport, CancelWritesNothing)
{
    start();
    setExample();
    mainWindow().saveTextButton()->click();
    EXPECT_TRUE(QDir(tree.root()).isEmpty());
    EXPECT_TRUE(desktop.messages->shown.empty());
}

TEST_F(TextReport, ExistingFileIsReplacedWithoutAQuestion)
{
    start();
    setExample();
    tree.file("old.txt", "earlier report");
    EXPECT_EQ(readAll(saveTo("old.txt")), kExampleHeader + kExampleRow1 + kExampleRow2);
    EXPECT_TRUE(desktop.messages->shown.empty());
}

TEST_F(TextReport, FileThatCannotBeCreatedIsReportedOnceAndTheBarRests)
{
    start();
    setExample();
    saveTo("missing-folder/report.txt");
    const QStringList reports = desktop.messages->reports();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(
        reports[0].contains("in Tessary2021/08/31.Main.SaveListviewProperlySpaced at line 156"));
    EXPECT_EQ(mainWindow().progressBar().caption(), "Progress Bar");
    EXPECT_EQ(mainWindow().pointer(), WindowPointer::Default);
    tree.folder("a-folder");
    saveTo("a-folder");
    EXPECT_EQ(desktop.messages->reports().size(), 2);
    EXPECT_TRUE(QFileInfo(tree.path("a-folder")).isDir());
}

TEST_F(TextReport, EarlierFileSurvivesASaveIntoAFolderItCannotWrite)
{
    start();
    setExample();
    tree.folder("locked");
    const QString old = tree.file("locked/report.txt", "earlier report");
    ::chmod(QFile::encodeName(tree.path("locked")).constData(), 0555);
    ::chmod(QFile::encodeName(old).constData(), 0666);
    const int reports = runUnprivileged([&] {
        desktop.fileDialogs->saveAnswers = {old};
        mainWindow().saveTextButton()->click();
        return static_cast<int>(desktop.messages->reports().size());
    });
    ::chmod(QFile::encodeName(tree.path("locked")).constData(), 0755);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(readAll(old), "earlier report");
}

TEST_F(TextReport, ProgressCountsRowsAndNamesEveryThousandth)
{
    start();
    QList<QStringList> rows;
    for (int i = 0; i < 2500; ++i)
        rows.append({QStringLiteral("/f%1").arg(i)});
    setResults({"Filename"}, rows);
    QList<double> positions;
    QStringList captions;
    desktop.yield->onYield = [&](int) {
        const double position = mainWindow().progressBar().position();
        if (positions.isEmpty() || positions.last() != position)
            positions.append(position);
        if (captions.isEmpty() || captions.last() != mainWindow().progressBar().caption())
            captions.append(mainWindow().progressBar().caption());
    };
    const QString path = tree.path("big.txt");
    desktop.fileDialogs->saveAnswers = {path};
    mainWindow().saveTextButton()->click();
    EXPECT_EQ(positions.mid(0, 4), (QList<double>{0, 1, 10, 20}));
    EXPECT_DOUBLE_EQ(positions.at(4), (1 + 1) / 2500.0 * 100);
    EXPECT_DOUBLE_EQ(positions.last(), (2500 + 1) / 2500.0 * 100);
    EXPECT_EQ(captions,
              QStringList({"Progress Bar", "Writing file: big.txt", "Writing file: big.txt (1000)",
                           "Writing file: big.txt (2000)"}));
    EXPECT_EQ(mainWindow().progressBar().caption(), "Progress Bar");
    EXPECT_EQ(readAll(path).count('\n'), 2501);
}

TEST_F(TextReport, ClosingTheWindowMidWriteKeepsTheEarlierFile)
{
    start();
    QList<QStringList> rows;
    for (int i = 0; i < 50; ++i)
        rows.append({QStringLiteral("/f%1").arg(i)});
    setResults({"Filename"}, rows);
    const QString old = tree.file("keep.txt", "earlier report");
    desktop.yield->onYield = [&](int count) {
        if (count == 80)
            mainWindow().close();
    };
    desktop.fileDialogs->saveAnswers = {old};
    mainWindow().saveTextButton()->click();
    EXPECT_EQ(readAll(old), "earlier report");
    EXPECT_EQ(QDir(tree.root()).entryList(QDir::Files | QDir::Hidden), QStringList("keep.txt"));
}

TEST_F(TextReport, ResultsChangedMidWriteAreReportedOnceAndKeepTheEarlierFile)
{
    const struct {
        const char* change;
        std::function<void(MainWindow&)> make;
    } changes[] = {
        {"Clear Results", [](MainWindow& window) { window.clearResultsButton()->click(); }},
        {"Start Extracting", [](MainWindow& window) { window.startButton()->click(); }},
    };
    start();
    addFiles({"/none/x", "/none/y"});
    for (const auto& [change, make] : changes) {
        QList<QStringList> rows;
        for (int i = 0; i < 50; ++i)
            rows.append({QStringLiteral("/f%1").arg(i), QStringLiteral("1/2/2020")});
        setResults({"Filename", "Date Modified"}, rows);
        const QString old = tree.file("keep.txt", "earlier report");
        desktop.yield->onYield = [&, make = make, from = desktop.yield->count](int count) {
            if (count == from + 150)
                make(mainWindow());
        };
        desktop.fileDialogs->saveAnswers = {old};
        mainWindow().saveTextButton()->click();
        EXPECT_EQ(desktop.messages->reports().size(), 1) << change;
        EXPECT_EQ(readAll(old), "earlier report") << change;
        EXPECT_EQ(QDir(tree.root()).entryList(QDir::Files | QDir::Hidden), QStringList("keep.txt"))
            << change;
        EXPECT_EQ(mainWindow().progressBar().caption(), "Progress Bar") << change;
        EXPECT_EQ(mainWindow().pointer(), WindowPointer::Default) << change;
        desktop.messages->shown.clear();
        desktop.yield->onYield = {};
    }
}
