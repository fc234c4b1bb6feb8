// File lists whose entries change between listing and extraction: gone, unreachable, turned
// into something else, or never valid. Such an entry gives a row with empty date cells (or the
// dates of what is there now) and no message; every other row keeps its dates.

#include "robustness/FaultMatrix.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

constexpr uid_t kNobody = 65534;

// The list to extract and what happens to it.
struct ListSetup {
    QStringList paths;
    QStringList emptyRows; // paths that must come out without dates
    std::function<void()> beforeRun;
    std::function<void(int)> onYield;
    std::function<void()> cleanup;
};

struct ListCase {
    const char* name;
    bool unprivileged;
    std::function<void(TempTree&, ListSetup&)> make;
};

void PrintTo(const ListCase& c, std::ostream* out)
{
    *out << c.name;
}

// Three files a, b and c in the folder L, listed in that order.
void threeFiles(TempTree& t, ListSetup& setup)
{
    t.folder(QStringLiteral("L"));
    setMode(t.path(QStringLiteral("L")), 0777);
    for (const char* name : {"L/a.txt", "L/b.txt", "L/c.txt"})
        setup.paths.append(t.file(QString::fromLatin1(name), "x"));
}

const ListCase kLists[] = {
    {"FileVanishedBeforeTheRun", false,
     [](TempTree& t, ListSetup& s) {
         threeFiles(t, s);
         s.emptyRows = {s.paths[1]};
         s.beforeRun = [path = s.paths[1]] { QFile::remove(path); };
     }},
    {"FileVanishedDuringTheRun", false,
     [](TempTree& t, ListSetup& s) {
         threeFiles(t, s);
         s.emptyRows = {s.paths[2]};
         // The run yields once per row before it reads the row's dates.
         s.onYield = [path = s.paths[2]](int count) {
             if (count == 2)
                 QFile::remove(path);
         };
     }},
    {"FolderVanishedDuringTheRun", false,
     [](TempTree& t, ListSetup& s) {
         threeFiles(t, s);
         s.emptyRows = s.paths;
         s.onYield = [folder = t.path("L")](int count) {
             if (count == 1)
                 removeTree(folder);
         };
     }},
    {"FileReplacedByAFolder", false,
     [](TempTree& t, ListSetup& s) {
         threeFiles(t, s);
         s.beforeRun = [path = s.paths[1]] {
             QFile::remove(path);
             ::mkdir(QFile::encodeName(path).constData(), 0755);
         };
     }},
    {"FileReplacedByADanglingLink", false,
     [](TempTree& t, ListSetup& s) {
         threeFiles(t, s);
         s.beforeRun = [path = s.paths[1]] {
             QFile::remove(path);
             QFile::link(QStringLiteral("/nonexistent/target"), path);
         };
     }},
    {"FileReplacedByAFifo", false,
     [](TempTree& t, ListSetup& s) {
         threeFiles(t, s);
         s.beforeRun = [path = s.paths[1]] {
             QFile::remove(path);
             ::mkfifo(QFile::encodeName(path).constData(), 0644);
         };
     }},
    {"FolderUnreadableBeforeTheRun", true,
     [](TempTree& t, ListSetup& s) {
         threeFiles(t, s);
         s.emptyRows = s.paths;
         setMode(t.path("L"), 0);
         s.cleanup = [folder = t.path("L")] { setMode(folder, 0755); };
     }},
    {"FolderUnreadableDuringTheRun", true,
     [](TempTree& t, ListSetup& s) {
         threeFiles(t, s);
         s.emptyRows = {s.paths[1], s.paths[2]};
         // The unprivileged user must own the folder to take its permissions away.
         const QString folder = t.path("L");
         if (::chown(QFile::encodeName(folder).constData(), kNobody, kNobody) != 0
             && ::geteuid() == 0)
             ADD_FAILURE() << "cannot hand the folder to the unprivileged user";
         s.onYield = [folder](int count) {
             if (count == 1)
                 setMode(folder, 0);
         };
         s.cleanup = [folder] { setMode(folder, 0755); };
     }},
    {"FileWithoutAnyPermission", true,
     [](TempTree& t, ListSetup& s) {
         // Its dates are in the folder's entry, which stays readable.
         threeFiles(t, s);
         setMode(s.paths[1], 0);
     }},
    {"PathsAtAndPastTheLengthLimit", false,
     [](TempTree& t, ListSetup& s) {
         threeFiles(t, s);
         const QString deep = makeDeepFolder(t.folder("long"), 4000, "f.txt");
         s.paths.append(deep + QStringLiteral("/f.txt"));
         const QString tooLong = t.path("L/") + QString(5000, u'x');
         s.paths.append(tooLong);
         s.emptyRows = {tooLong};
         s.cleanup = [top = t.path("long")] { removeTree(top); };
     }},
    {"PathEndingInASeparator", false,
     [](TempTree& t, ListSetup& s) {
         threeFiles(t, s);
         s.paths.append(t.path("L/"));
         s.emptyRows = {t.path("L/")};
     }},
    {"PathThatIsNoValidText", false,
     [](TempTree& t, ListSetup& s) {
         // A lone UTF-16 surrogate cannot name any file; the row still goes into every export.
         threeFiles(t, s);
         const QString broken = t.path("L/") + QChar(0xD800) + QStringLiteral(".txt");
         s.paths.append(broken);
         s.emptyRows = {broken};
     }},
    {"TimeStampsAtTheFileSystemsLimits", false,
     [](TempTree& t, ListSetup& s) {
         threeFiles(t, s);
         const time_t stamps[] = {-2147483648LL, -1, 0, 15032385535LL};
         int i = 0;
         for (const time_t stamp : stamps) {
             const QString name = QStringLiteral("L/stamp%1").arg(i++);
             s.paths.append(t.file(name));
             t.setTimes(name, stamp, stamp);
         }
     }},
};

class FileListFault : public FaultMatrix, public ::testing::WithParamInterface<ListCase> {
protected:
    TempTree tree;
};

} // namespace

TEST_P(FileListFault, GivesEmptyCellsWithoutAMessageAndLosesNothing)
{
    const ListCase& c = GetParam();
    setMode(tree.root(), 0755);
    ListSetup setup;
    c.make(tree, setup);
    const QString reports = tree.folder(QStringLiteral("reports"));
    setMode(reports, 0777);
    start();
    addFiles(setup.paths);

    const auto body = [&] {
        if (setup.beforeRun)
            setup.beforeRun();
        desktop.yield->onYield = setup.onYield;
        Problems problems = runPipeline(reports + QStringLiteral("/report.txt"));
        for (const QStringList& row : resultRows()) {
            if (setup.emptyRows.contains(row.value(0)))
                problems.equal(row.mid(1).join(QString()), QString(),
                               QStringLiteral("the dates of %1").arg(row.value(0)));
        }
        return problems;
    };
    if (c.unprivileged)
        expectNoneUnprivileged(body);
    else
        expectNone(body());
    if (setup.cleanup)
        setup.cleanup();
}

INSTANTIATE_TEST_SUITE_P(Lists, FileListFault, ::testing::ValuesIn(kLists),
                         [](const auto& test) { return std::string(test.param.name); });
