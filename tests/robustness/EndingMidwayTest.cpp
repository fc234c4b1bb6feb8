// Each long command ended in the middle, at its first yield, half way and at its last: by
// closing the window, or by the user's Stop (the button and Escape do the same). The command
// ends without another message, and nothing half done is left in place of what was there:
// the earlier report, the clipboard's text, the lists as far as they got, no workbook file and
// no started spreadsheet program. After a stop the window goes on: at rest, with the results
// done so far ticked, and the status line saying it stopped.

#include "robustness/FaultMatrix.h"

#include "desktop/DesktopSpreadsheet.h"

#include <QCoreApplication>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

enum class Command { Scan, Drop, Extract, Report, Copy, Export, Sort };

struct CloseCase {
    Command command;
    double at; // where to end it: 0 the first yield, 1 the last
    bool stop; // by Stop; else by closing the window
};

const char* commandName(Command command)
{
    switch (command) {
    case Command::Scan:
        return "Scan";
    case Command::Drop:
        return "Drop";
    case Command::Extract:
        return "Extract";
    case Command::Report:
        return "Report";
    case Command::Copy:
        return "Copy";
    case Command::Export:
        return "Export";
    case Command::Sort:
        return "Sort";
    }
    return "?";
}

void PrintTo(const CloseCase& c, std::ostream* out)
{
    *out << commandName(c.command) << (c.stop ? " stopped at " : " closed at ") << c.at;
}

// Records what would be started instead of starting it.
class NoStart final : public ProcessLauncher {
public:
    QString findExecutable(const QString& program) override
    {
        return program == QLatin1String("soffice") ? QStringLiteral("/bin/true") : QString();
    }
    QString output(const QString&, const QStringList&) override { return {}; }
    bool startDetached(const QString&, const QStringList&) override
    {
        ++starts;
        return true;
    }
    int starts = 0;
};

class EndingMidway : public FaultMatrix, public ::testing::WithParamInterface<CloseCase> {
protected:
    void run(Command command)
    {
        switch (command) {
        case Command::Scan:
            scan(QStringLiteral("*"), tree.path(QStringLiteral("R")));
            break;
        case Command::Drop: {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(tree.path(QStringLiteral("R")))});
            emit mainWindow().fileList().dropped(&data); // as a real drop arrives
            QCoreApplication::sendPostedEvents();        // where the window walks it
            break;
        }
        case Command::Extract:
            extract();
            break;
        case Command::Report:
            saveReport(tree.path(QStringLiteral("out/report.txt")));
            break;
        case Command::Copy:
            copyResults();
            break;
        case Command::Export:
            exportResults();
            break;
        case Command::Sort: // by path, A to Z and then Z to A
            emit mainWindow().resultsList().headerClicked(0);
            break;
        }
    }

    TempTree tree;
};

} // namespace

TEST_P(EndingMidway, UnwindsSilentlyAndLeavesNothingHalfDone)
{
    const CloseCase& c = GetParam();
    for (int folder = 0; folder < 6; ++folder) {
        for (int file = 0; file < 5; ++file)
            tree.file(QStringLiteral("R/f%1/file%2.txt").arg(folder).arg(file), "x");
    }
    const QString out = tree.folder(QStringLiteral("out"));
    const QString temp = tree.folder(QStringLiteral("temp"));
    auto launcher = std::make_unique<NoStart>();
    NoStart& starts = *launcher;
    desktop.platform.spreadsheet =
        std::make_unique<DesktopSpreadsheetApp>(std::move(launcher), temp);
    start();
    scan(QStringLiteral("*"), tree.path(QStringLiteral("R")));
    extract();

    // A full run first: what it leaves is what the closed run must not spoil, and its yields
    // tell where to close the second one.
    int before = desktop.yield->count;
    run(c.command);
    int yields = desktop.yield->count - before;
    if (c.command == Command::Report) {
        // Putting the report on the disk yields until the disk is done, more often when the
        // machine is busy: the fewest of a few runs is what the next run yields at least.
        for (int again = 0; again < 2; ++again) {
            before = desktop.yield->count;
            run(c.command);
            yields = std::min(yields, desktop.yield->count - before);
        }
    }
    if (c.command == Command::Export) {
        // Writing the workbook file may yield a varying number of times; the yields while
        // the cells are filled (one per header, per row and per cell) are always there.
        const int rows = static_cast<int>(resultRows().size());
        const int columns = mainWindow().resultsList().rows().columns();
        yields = columns + rows + rows * columns;
    }
    if (c.command == Command::Sort)
        yields = 1; // its thread may be done by the one yield it always makes
    ASSERT_GT(yields, 0) << "the command never yields";
    const QStringList files = fileListTexts();
    const QList<QStringList> results = resultRows();
    const QByteArray report = readFile(tree.path(QStringLiteral("out/report.txt")));
    const QList<QByteArray> outEntries = folderEntries(out);
    const QList<QByteArray> tempEntries = folderEntries(temp);
    const std::optional<QString> clipboard = desktop.clipboard->text;
    const int started = starts.starts;
    const size_t shown = desktop.messages->shown.size();

    const int closeAt = 1 + static_cast<int>(c.at * (yields - 1));
    const int second = desktop.yield->count;
    desktop.yield->onYield = [&](int count) {
        if (count != second + closeAt)
            return;
        if (c.stop)
            mainWindow().requestStop();
        else
            mainWindow().close();
    };
    run(c.command);

    Problems problems;
    if (!c.stop)
        problems.expect(!mainWindow().isVisible(), QStringLiteral("the window is still open"));
    problems.equal(messagesSince(shown), QStringList(), QStringLiteral("messages after the end"));
    problems.equal(readFile(tree.path(QStringLiteral("out/report.txt"))), report,
                   QStringLiteral("the earlier report"));
    problems.equal(folderEntries(out), outEntries, QStringLiteral("files beside the report"));
    problems.equal(folderEntries(temp), tempEntries, QStringLiteral("workbook files"));
    problems.equal(starts.starts, started, QStringLiteral("spreadsheet programs started"));
    problems.equal(desktop.clipboard->text.value_or(QStringLiteral("<none>")),
                   clipboard.value_or(QStringLiteral("<none>")), QStringLiteral("the clipboard"));
    const QStringList filesNow = fileListTexts();
    problems.equal(filesNow.mid(0, files.size()), files, QStringLiteral("the file list so far"));
    if (c.command != Command::Extract)
        problems.equal(resultRows(), results, QStringLiteral("the results"));
    if (c.stop) {
        const QList<QStringList> resultsNow = resultRows();
        problems.equal(resultsNow, results.mid(0, resultsNow.size()),
                       QStringLiteral("the results so far"));
        const TextTable& table = mainWindow().resultsList().rows().table();
        problems.expect(table.checkedRows() == table.rows(), QStringLiteral("unticked results"));
        problems.expect(mainWindow().statusBar()->summary().startsWith(QLatin1String("Stopped")),
                        QStringLiteral("the status line says ")
                            + mainWindow().statusBar()->summary());
        problems.expect(mainWindow().pointer() == WindowPointer::Default,
                        QStringLiteral("the pointer is not at rest"));
        problems.equal(mainWindow().progressBar().caption(), QStringLiteral("Progress Bar"),
                       QStringLiteral("the bar's text"));
        problems.expect(!mainWindow().statusBar()->stopButton()->isVisibleTo(&mainWindow()),
                        QStringLiteral("the Stop button is still shown"));
    }
    expectNone(problems);
}

namespace {

std::vector<CloseCase> closeCases()
{
    std::vector<CloseCase> cases;
    for (Command command : {Command::Scan, Command::Drop, Command::Extract, Command::Report,
                            Command::Copy, Command::Export, Command::Sort}) {
        for (double at : {0.0, 0.5, 1.0}) {
            for (bool stop : {false, true})
                cases.push_back({command, at, stop});
        }
    }
    return cases;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Commands, EndingMidway, ::testing::ValuesIn(closeCases()),
                         [](const auto& test) {
                             const char* where = test.param.at == 0 ? "AtTheFirstYield"
                                 : test.param.at == 1               ? "AtTheLastYield"
                                                                    : "HalfWay";
                             return std::string(commandName(test.param.command))
                                 + (test.param.stop ? "Stopped" : "Closed") + where;
                         });
