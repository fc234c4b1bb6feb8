// "Save Results As Text File" aimed at targets that cannot take the report. Each failed save
// is reported once, leaves any earlier file of that name as it was and no stray temporary file
// beside it, and returns the bar and the pointer to rest.

#include "robustness/FaultMatrix.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

#include <sys/resource.h>
#include <unistd.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

const QByteArray kEarlierReport = "earlier report\r\n";

struct Target {
    QString path;                // what the save dialog answers
    QString watchedFolder;       // whose entries must stay as they were
    QString earlierFile;         // an earlier file that must keep its content, if any
    int reports = 1;             // error reports the save shows
    std::function<void()> limit; // applied just before the save (in the saving process)
    std::shared_ptr<TmpfsMount> mount;
    QString skip;
};

struct TargetCase {
    const char* name;
    bool unprivileged;
    std::function<Target(TempTree&)> make;
};

void PrintTo(const TargetCase& c, std::ostream* out)
{
    *out << c.name;
}

// A folder anyone may write to, holding an earlier report.
Target earlierReportIn(TempTree& t, const QString& folder)
{
    Target target;
    target.watchedFolder = t.folder(folder);
    setMode(target.watchedFolder, 0777);
    target.earlierFile = t.file(folder + QStringLiteral("/report.txt"), kEarlierReport);
    target.path = target.earlierFile;
    return target;
}

const TargetCase kTargets[] = {
    {"MissingFolder", false,
     [](TempTree& t) {
         Target target;
         target.watchedFolder = t.root();
         target.path = t.path("missing/report.txt");
         return target;
     }},
    {"ReadOnlyFile", true,
     [](TempTree& t) {
         Target target = earlierReportIn(t, "out");
         setMode(target.earlierFile, 0444);
         return target;
     }},
    {"ReadOnlyFolder", true,
     [](TempTree& t) {
         Target target = earlierReportIn(t, "out");
         setMode(target.earlierFile, 0666);
         setMode(target.watchedFolder, 0555);
         return target;
     }},
    {"AFolder", false,
     [](TempTree& t) {
         Target target;
         target.watchedFolder = t.folder("taken");
         target.earlierFile = t.file("taken/inside.txt", kEarlierReport);
         target.path = target.watchedFolder;
         return target;
     }},
    {"FullFileSystem", false,
     [](TempTree& t) {
         Target target;
         target.watchedFolder = t.folder("full");
         target.mount = std::make_shared<TmpfsMount>(target.watchedFolder, 256 * 1024);
         if (!target.mount->mounted()) {
             target.skip = target.mount->why();
             return target;
         }
         target.earlierFile = t.file("full/report.txt", kEarlierReport);
         target.path = target.earlierFile;
         fillFileSystem(target.watchedFolder);
         return target;
     }},
    {"FileSizeLimit", true,
     [](TempTree& t) {
         // What a quota says: writes past the limit fail with "File too large".
         Target target = earlierReportIn(t, "out");
         setMode(target.earlierFile, 0666);
         target.limit = [] {
             std::signal(SIGXFSZ, SIG_IGN);
             const rlimit limit{16, 16};
             ::setrlimit(RLIMIT_FSIZE, &limit);
         };
         return target;
     }},
    {"DanglingLinkIntoAMissingFolder", false,
     [](TempTree& t) {
         Target target;
         target.watchedFolder = t.folder("out");
         target.path = t.symlink(t.path("out/missing/report.txt"), "out/report.txt");
         return target;
     }},
    {"NameLongerThanTheSystemTakes", false,
     [](TempTree& t) {
         Target target;
         target.watchedFolder = t.folder("out");
         target.path = target.watchedFolder + QLatin1Char('/') + QString(300, u'n') + ".txt";
         return target;
     }},
};

class ReportTargetFault : public FaultMatrix, public ::testing::WithParamInterface<TargetCase> {
protected:
    TempTree tree;
};

} // namespace

TEST_P(ReportTargetFault, IsReportedOnceAndKeepsTheEarlierFile)
{
    const TargetCase& c = GetParam();
    setMode(tree.root(), 0755);
    Target target = c.make(tree);
    if (!target.skip.isEmpty())
        GTEST_SKIP() << target.skip.toStdString();
    start();
    addFiles({QStringLiteral("/a.txt"), QStringLiteral("/b.txt")});
    setResults({"Filename", "Date Modified"},
               {{"/a.txt", "8/31/2021 10:15:00 AM"}, {"/b.txt", "1/2/2020 3:04:05 PM"}});
    const QList<QStringList> results = resultRows();
    const QList<QByteArray> entries = folderEntries(target.watchedFolder);

    const auto body = [&] {
        Problems problems;
        if (target.limit)
            target.limit();
        saveReport(target.path);
        const QStringList reports = errorReports();
        problems.equal(reports.size(), target.reports, QStringLiteral("error reports"));
        for (const QString& report : reports)
            problems.expect(report.contains(QStringLiteral("SaveListviewProperlySpaced at line ")),
                            QStringLiteral("a report names the writer: ") + report);
        problems.equal(desktop.messages->shown.size(), static_cast<size_t>(target.reports),
                       QStringLiteral("messages"));
        problems.equal(mainWindow().progressBar().caption(), QStringLiteral("Progress Bar"),
                       QStringLiteral("the bar's caption"));
        problems.equal(static_cast<int>(mainWindow().pointer()),
                       static_cast<int>(WindowPointer::Default),
                       QStringLiteral("the pointer (0 is the arrow)"));
        problems.equal(resultRows(), results, QStringLiteral("the results"));
        return problems;
    };
    if (c.unprivileged)
        expectNoneUnprivileged(body);
    else
        expectNone(body());

    if (!target.earlierFile.isEmpty()) {
        EXPECT_EQ(readFile(target.earlierFile), kEarlierReport);
    }
    EXPECT_EQ(folderEntries(target.watchedFolder), entries) << "a stray file was left behind";
    if (QFileInfo(target.path).isSymLink()) {
        EXPECT_EQ(QFileInfo(target.path).symLinkTarget(), tree.path("out/missing/report.txt"));
    }
    setMode(target.watchedFolder, 0755);
}

INSTANTIATE_TEST_SUITE_P(Targets, ReportTargetFault, ::testing::ValuesIn(kTargets),
                         [](const auto& test) { return std::string(test.param.name); });

// Saving onto a named pipe must not wait for a reader: the pipe is replaced by the report, as
// any other existing file of the chosen name is.
TEST_F(FaultMatrix, ReportOntoANamedPipeDoesNotHang)
{
    TempTree tree;
    const QString pipe = tree.fifo(QStringLiteral("pipe"));
    start();
    setResults({"Filename"}, {{"/a.txt"}});
    saveReport(pipe);
    EXPECT_TRUE(desktop.messages->shown.empty());
    EXPECT_EQ(readFile(pipe), QByteArray("Filename\t\r\n/a.txt  \t\r\n"));
}
