// Folder trees with something hostile in them, scanned with "Add All File(s) In Folder" and
// then put through every command that reads the lists. A tree fault is never worth a
// message: what cannot be walked is left out silently, the rest is listed.

#include "robustness/FaultMatrix.h"

#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

const QStringList kEarlier{QStringLiteral("/earlier/one.txt"), QStringLiteral("/earlier/two.txt")};

// One tree: the folder to scan, what the scan must add from it (in any order), what it may
// add as well, and what happens while it yields.
struct Tree {
    QString folder;
    QStringList expected;
    QStringList mayAlsoAdd;
    std::function<void(int)> onYield;
    std::function<void()> cleanup;
    QString skip; // why this machine cannot make the tree
};

struct TreeCase {
    const char* name;
    bool unprivileged; // permissions only hold for a user other than root
    std::function<Tree(TempTree&)> make;
};

void PrintTo(const TreeCase& c, std::ostream* out)
{
    *out << c.name;
}

// Every tree has a plain file at its top, which must always be listed.
Tree plainTree(TempTree& t)
{
    Tree tree;
    tree.folder = t.folder(QStringLiteral("R"));
    tree.expected = {t.file(QStringLiteral("R/plain.txt"))};
    return tree;
}

const TreeCase kTrees[] = {
    {"UnreadableFolder", true,
     [](TempTree& t) {
         Tree tree = plainTree(t);
         t.file("R/locked/x.txt");
         t.file("R/locked/deeper/y.txt");
         t.file("R/enter-only/z.txt");
         tree.expected.append(t.file("R/open/o.txt"));
         setMode(t.path("R/locked"), 0);
         setMode(t.path("R/enter-only"), 0111);
         tree.cleanup = [&t] {
             setMode(t.path("R/locked"), 0755);
             setMode(t.path("R/enter-only"), 0755);
         };
         return tree;
     }},
    {"FolderRemovedDuringTheScan", false,
     [](TempTree& t) {
         Tree tree = plainTree(t);
         tree.expected.append(t.file("R/a/a.txt"));
         t.file("R/gone/g.txt");
         t.file("R/gone/deeper/h.txt");
         // The second yield comes while the top folder is being read, after its first
         // sub-folder was found: the other one goes before it is walked.
         const QString gone = t.path("R/gone");
         tree.onYield = [gone](int count) {
             if (count == 2)
                 removeTree(gone);
         };
         return tree;
     }},
    {"ChosenFolderRemovedDuringTheScan", false,
     [](TempTree& t) {
         Tree tree = plainTree(t);
         tree.mayAlsoAdd = tree.expected; // read before or after the removal
         tree.expected.clear();
         t.file("R/a/a.txt");
         t.file("R/b/b.txt");
         const QString root = tree.folder;
         tree.onYield = [root](int count) {
             if (count == 2)
                 removeTree(root);
         };
         return tree;
     }},
    {"DanglingLinks", false,
     [](TempTree& t) {
         Tree tree = plainTree(t);
         t.symlink(t.path("R/nowhere.txt"), "R/dangling.txt");
         t.symlink(t.path("R/no-folder/"), "R/dangling-folder");
         return tree;
     }},
    {"LinkCycles", false,
     [](TempTree& t) {
         Tree tree = plainTree(t);
         tree.expected.append(t.file("R/sub/s.txt"));
         t.symlink(t.path("R"), "R/sub/up");
         t.symlink(t.path("R/self"), "R/self");
         t.symlink(t.path("R/pong"), "R/ping");
         t.symlink(t.path("R/ping"), "R/pong");
         return tree;
     }},
    {"Fifo", false,
     [](TempTree& t) {
         Tree tree = plainTree(t);
         tree.expected.append(t.fifo("R/pipe"));
         return tree;
     }},
    {"Socket", false,
     [](TempTree& t) {
         Tree tree = plainTree(t);
         const QString socket = t.path("R/socket");
         if (makeSocket(socket, tree.skip))
             tree.expected.append(socket);
         return tree;
     }},
    {"DeviceNode", false,
     [](TempTree& t) {
         Tree tree = plainTree(t);
         const QString device = t.path("R/device");
         if (makeCharacterDevice(device, tree.skip))
             tree.expected.append(device);
         return tree;
     }},
    {"NewlineInNames", false,
     [](TempTree& t) {
         // A file keeps its name; a folder with a control character in its name is not walked.
         Tree tree = plainTree(t);
         tree.expected.append(t.file("R/new\nline.txt"));
         t.file("R/new\nfolder/inner.txt");
         return tree;
     }},
    {"TabInNames", false,
     [](TempTree& t) {
         Tree tree = plainTree(t);
         tree.expected.append(t.file("R/tab\tname.txt"));
         t.file("R/tab\tfolder/inner.txt");
         return tree;
     }},
    {"InvalidUtf8Names", false,
     [](TempTree& t) {
         // Such a name could not be looked up again from its text: left out, folders with all
         // they hold.
         Tree tree = plainTree(t);
         const QByteArray root = QFile::encodeName(tree.folder);
         makeRawFile(root + "/bad\xff.txt");
         ::mkdir(root + "/bad\xfe", 0755);
         makeRawFile(root + "/bad\xfe/inner.txt");
         makeRawFile(root + "/overlong\xc0\xaf.txt");
         return tree;
     }},
    {"ByteOrderMarkAtTheStartOfAFileName", false,
     [](TempTree& t) {
         Tree tree = plainTree(t);
         tree.expected.append(
             t.file(QStringLiteral("R/") + QChar(0xFEFF) + QStringLiteral("bom.txt")));
         return tree;
     }},
    {"LeadingTilde", false,
     [](TempTree& t) {
         // "~" at the start of a file name marks an editor's lock file: left out. Folders and
         // later tildes do not count.
         Tree tree = plainTree(t);
         t.file("R/~lock.txt");
         tree.expected.append(t.file("R/~folder/in.txt"));
         tree.expected.append(t.file("R/x~y.txt"));
         return tree;
     }},
    {"PathOf4000Characters", false,
     [](TempTree& t) {
         Tree tree = plainTree(t);
         const QString deep = makeDeepFolder(tree.folder, 3900);
         const QByteArray name(4000 - static_cast<int>(deep.size()) - 1, 'f');
         makeRawFile(QFile::encodeName(deep) + '/' + name);
         tree.expected.append(deep + QLatin1Char('/') + QString::fromLatin1(name));
         const QString top = t.path("R/" + QString(200, u'd'));
         tree.cleanup = [top] { removeTree(top); };
         return tree;
     }},
    {"PathPastTheSystemLimit", false,
     [](TempTree& t) {
         // A folder whose path is longer than the system takes is not walked.
         Tree tree = plainTree(t);
         makeDeepFolder(tree.folder, 4300, "unreachable.txt");
         const QString top = t.path("R/" + QString(200, u'd'));
         tree.cleanup = [top] { removeTree(top); };
         return tree;
     }},
    {"ManyFilesInOneFolder", false,
     [](TempTree& t) {
         Tree tree = plainTree(t);
         const QString folder = t.folder(QStringLiteral("R/many"));
         const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
         for (int i = 0; i < 100000; ++i) {
             const QByteArray name = "f" + QByteArray::number(i) + ".txt";
             const int fd = ::openat(dir, name.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
             if (fd >= 0)
                 ::close(fd);
             tree.expected.append(folder + QLatin1Char('/') + QString::fromLatin1(name));
         }
         ::close(dir);
         return tree;
     }},
};

class FolderTreeFault : public FaultMatrix, public ::testing::WithParamInterface<TreeCase> {
protected:
    TempTree tree;
};

} // namespace

TEST_P(FolderTreeFault, IsScannedSilentlyAndEveryCommandAfterItLosesNothing)
{
    const TreeCase& c = GetParam();
    setMode(tree.root(), 0755); // lets an unprivileged user reach the tree
    Tree made = c.make(tree);
    if (!made.skip.isEmpty()) {
        if (made.cleanup)
            made.cleanup();
        GTEST_SKIP() << made.skip.toStdString();
    }
    const QString reports = tree.folder(QStringLiteral("reports"));
    setMode(reports, 0777);
    start();
    addFiles(kEarlier);

    const auto body = [&] {
        Problems problems;
        desktop.yield->onYield = made.onYield;
        scan(QStringLiteral("*"), made.folder);
        desktop.yield->onYield = nullptr;

        const QStringList listed = fileListTexts();
        problems.equal(listed.mid(0, kEarlier.size()), kEarlier,
                       QStringLiteral("the entries listed before the scan"));
        QStringList added = listed.mid(kEarlier.size());
        added.sort();
        QStringList expected = made.expected;
        expected.sort();
        for (const QString& path : made.mayAlsoAdd) {
            if (added.contains(path) && !expected.contains(path))
                expected.append(path);
        }
        expected.sort();
        problems.equal(added, expected, QStringLiteral("the entries the scan added"));
        problems.equal(desktop.messages->texts(), QStringList(),
                       QStringLiteral("messages of the scan"));
        problems.equal(static_cast<int>(mainWindow().pointer()),
                       static_cast<int>(WindowPointer::Default),
                       QStringLiteral("the pointer after the scan (0 is the arrow)"));
        problems.add(runPipeline(reports + QStringLiteral("/report.txt")));
        return problems;
    };
    if (c.unprivileged)
        expectNoneUnprivileged(body);
    else
        expectNone(body());
    if (made.cleanup)
        made.cleanup();
}

INSTANTIATE_TEST_SUITE_P(Trees, FolderTreeFault, ::testing::ValuesIn(kTrees),
                         [](const auto& test) { return std::string(test.param.name); });

// A leading U+FEFF is part of a folder's name; dropping it as a byte-order mark would lose
// the folder and its files silently.
TEST_F(FaultMatrix, FolderWhoseNameBeginsWithAByteOrderMarkIsWalked)
{
    TempTree tree;
    const QString inside =
        tree.file(QStringLiteral("R/") + QChar(0xFEFF) + QStringLiteral("folder/in.txt"));
    start();
    scan(QStringLiteral("*"), tree.path(QStringLiteral("R")));
    EXPECT_EQ(fileListTexts(), QStringList(inside));
}
