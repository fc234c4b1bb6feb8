#include "robustness/FaultMatrix.h"

#include "base/Texts.h"
#include "support/Unprivileged.h"

#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace quillfen::test {

namespace {

// Prints one line per case and, at the end, the tally of the matrix: how many cases were
// tried, how many the program survived (every check held) and how many were skipped.
class Tally final : public ::testing::EmptyTestEventListener {
public:
    void OnTestEnd(const ::testing::TestInfo& info) override
    {
        const ::testing::TestResult& result = *info.result();
        const char* outcome = "survived";
        if (result.Skipped()) {
            outcome = "skipped";
            ++m_skipped;
        } else if (result.Failed()) {
            outcome = "FAILED";
            ++m_failed;
        } else {
            ++m_survived;
        }
        std::printf("[ matrix   ] %s.%s: %s\n", info.test_suite_name(), info.name(), outcome);
    }

    void OnTestProgramEnd(const ::testing::UnitTest& unit) override
    {
        std::printf("[ matrix   ] %d cases tried: %d survived (no crash or hang, the expected "
                    "message or silence, nothing lost), %d failed, %d skipped; %d known faults "
                    "left disabled for their owners\n",
                    m_survived + m_failed + m_skipped, m_survived, m_failed, m_skipped,
                    unit.disabled_test_count());
        std::fflush(stdout);
    }

private:
    int m_survived = 0;
    int m_failed = 0;
    int m_skipped = 0;
};

const bool kTallyListens = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new Tally);
    return true;
}();

void removeAt(int parent, const char* name)
{
    const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        ::unlinkat(parent, name, 0);
        return;
    }
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        ::close(fd);
        return;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string entryName = entry->d_name;
        if (entryName != "." && entryName != "..")
            names.push_back(entryName);
    }
    for (const std::string& entryName : names)
        removeAt(::dirfd(dir), entryName.c_str());
    ::closedir(dir);
    ::unlinkat(parent, name, AT_REMOVEDIR);
}

QString systemError(const char* what)
{
    return QString::fromLatin1(what) + QStringLiteral(": ")
        + QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

void expectNone(const Problems& problems)
{
    for (const QString& problem : problems.list())
        ADD_FAILURE() << problem.toStdString();
}

void expectNoneUnprivileged(const std::function<Problems()>& body)
{
    const int result = runUnprivileged([&] {
        const Problems problems = body();
        for (const QString& problem : problems.list())
            std::fprintf(stderr, "as an unprivileged user: %s\n", qPrintable(problem));
        std::fflush(stderr);
        return problems.empty() ? 0 : 1;
    });
    EXPECT_EQ(result, 0) << "the unprivileged run found the problems printed above "
                            "(-1: it did not finish)";
}

QStringList FaultMatrix::fileListTexts()
{
    QStringList texts;
    const RowModel& rows = mainWindow().fileList().rows();
    for (int i = 0; i < rows.rows(); ++i)
        texts.append(rows.text(i));
    return texts;
}

QList<QStringList> FaultMatrix::resultRows()
{
    QList<QStringList> rows;
    const RowModel& results = mainWindow().resultsList().rows();
    for (int i = 0; i < results.rows(); ++i) {
        QStringList cells;
        for (int k = 0; k < results.columns(); ++k)
            cells.append(results.cell(i, k));
        rows.append(cells);
    }
    return rows;
}

QStringList FaultMatrix::messagesSince(size_t from) const
{
    QStringList texts;
    for (size_t i = from; i < desktop.messages->shown.size(); ++i)
        texts.append(desktop.messages->shown[i].text);
    return texts;
}

void FaultMatrix::scan(const QString& extension, const QString& folder)
{
    desktop.input->answers = {extension};
    desktop.folderBrowser->answers = {folder};
    mainWindow().addFolderButton()->click();
}

void FaultMatrix::extract()
{
    mainWindow().startButton()->click();
}

void FaultMatrix::saveReport(const QString& path)
{
    desktop.fileDialogs->saveAnswers = {path};
    mainWindow().saveTextButton()->click();
}

void FaultMatrix::copyResults()
{
    mainWindow().copyButton()->click();
}

void FaultMatrix::exportResults()
{
    mainWindow().saveWorkbookButton()->click();
}

Problems FaultMatrix::runPipeline(const QString& reportPath)
{
    Problems problems;
    const QStringList files = fileListTexts();
    const size_t shownBefore = desktop.messages->shown.size();
    const qsizetype reportsBefore = errorReports().size();

    extract();
    const QList<QStringList> rows = resultRows();
    QStringList paths;
    for (const QStringList& row : rows)
        paths.append(row.value(0));
    problems.equal(paths, files, QStringLiteral("the paths of the results rows"));
    // A row has its dates exactly when its entry can be found: a missing or unreachable entry
    // gives empty cells, never an error, and no entry that is there loses its dates.
    const RowModel& results = mainWindow().resultsList().rows();
    const bool modifiedSecond =
        results.columns() > 1 && results.header(1) == texts::kDateModifiedColumn();
    for (const QStringList& row : modifiedSecond ? rows : QList<QStringList>()) {
        struct stat entry {};
        const QString& path = row.value(0);
        const bool findable =
            !path.endsWith(u'/') && ::lstat(QFile::encodeName(path).constData(), &entry) == 0;
        problems.equal(!row.value(1).isEmpty(), findable,
                       QStringLiteral("a date for the findable entry %1").arg(path));
    }

    saveReport(reportPath);
    problems.equal(crlfLines(readFile(reportPath)), static_cast<int>(rows.size()) + 1,
                   QStringLiteral("lines of the text report"));

    copyResults();
    problems.equal(crlfLines(desktop.clipboard->text.value_or(QString()).toUtf8()),
                   static_cast<int>(rows.size()), QStringLiteral("lines of the clipboard text"));

    exportResults();
    if (desktop.spreadsheet->started.empty()) {
        problems.expect(false, QStringLiteral("no workbook was started"));
    } else {
        const FakeSpreadsheet& sheet = desktop.spreadsheet->started.back();
        int pathCells = 0;
        for (const auto& [cell, text] : sheet.cells)
            pathCells += cell.second == 1 ? 1 : 0;
        problems.equal(pathCells, static_cast<int>(rows.size()) + 1,
                       QStringLiteral("cells of the workbook's first column"));
        problems.expect(sheet.visible, QStringLiteral("the workbook was not shown"));
    }

    problems.equal(resultRows(), rows, QStringLiteral("the results after the exports"));
    problems.equal(messagesSince(shownBefore),
                   QStringList({texts::kDone(), texts::kCopiedMessage()}),
                   QStringLiteral("messages of the commands"));
    problems.equal(errorReports().size(), reportsBefore, QStringLiteral("error reports"));
    problems.equal(fileListTexts(), files, QStringLiteral("the file list after the commands"));
    problems.equal(static_cast<int>(mainWindow().pointer()),
                   static_cast<int>(WindowPointer::Default),
                   QStringLiteral("the window's pointer (0 is the arrow)"));
    return problems;
}

int crlfLines(const QByteArray& text)
{
    return static_cast<int>(text.count("\r\n"));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QList<QByteArray> folderEntries(const QString& folder)
{
    QList<QByteArray> names;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    ::closedir(dir);
    return names;
}

void setMode(const QString& path, mode_t mode)
{
    ::chmod(QFile::encodeName(path).constData(), mode);
}

bool makeSocket(const QString& path, QString& why)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (static_cast<size_t>(name.size()) >= sizeof address.sun_path) {
        why = QStringLiteral("the temporary folder's path is too long for a socket");
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) {
        why = systemError("socket");
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (!bound)
        why = systemError("bind");
    ::close(fd); // the socket's entry stays in the folder
    return bound;
}

bool makeCharacterDevice(const QString& path, QString& why)
{
    // The same device as /dev/null: reading it would end at once, but it is never opened.
    if (::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        why = systemError("mknod (device nodes need root)");
        return false;
    }
    return true;
}

void makeRawFile(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd >= 0)
        ::close(fd);
}

QString makeDeepFolder(const QString& root, int length, const QByteArray& fileName)
{
    QString path = root;
    int fd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    while (fd >= 0 && path.size() < length) {
        const int room = length - static_cast<int>(path.size()) - 1;
        const QByteArray name(std::max(1, std::min(200, room)), 'd');
        ::mkdirat(fd, name.constData(), 0755);
        const int child = ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = child;
        path += QLatin1Char('/') + QString::fromLatin1(name);
    }
    if (fd >= 0 && !fileName.isEmpty()) {
        const int file = ::openat(fd, fileName.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (file >= 0)
            ::close(file);
    }
    if (fd >= 0)
        ::close(fd);
    return path;
}

void removeTree(const QString& path)
{
    removeAt(AT_FDCWD, QFile::encodeName(path).constData());
}

TmpfsMount::TmpfsMount(const QString& folder, qint64 bytes)
    : m_folder(QFile::encodeName(folder))
{
    if (::geteuid() != 0) {
        m_why = QStringLiteral("mounting a tmpfs needs root");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0777";
    m_mounted =
        ::mount("tmpfs", m_folder.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData())
        == 0;
    if (!m_mounted)
        m_why = systemError("mount -t tmpfs");
}

TmpfsMount::~TmpfsMount()
{
    if (m_mounted)
        ::umount2(m_folder.constData(), MNT_DETACH);
}

void fillFileSystem(const QString& folder, qint64 leaveBytes)
{
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/filler"));
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    const std::string block(4096, 'x');
    off_t size = 0;
    for (ssize_t written = 0; (written = ::write(fd, block.data(), block.size())) > 0;)
        size += written;
    if (leaveBytes > 0)
        ::ftruncate(fd, std::max<off_t>(0, size - static_cast<off_t>(leaveBytes)));
    ::close(fd);
}

} // namespace quillfen::test
