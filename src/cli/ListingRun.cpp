#include "cli/ListingRun.h"

#include "base/Failure.h"
#include "base/Utf8.h"
#include "files/ExistenceTests.h"
#include "files/Wildcard.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace quillfen::cli {

namespace {

// Entries listed as given go to the readers in blocks of this many, folders' files a folder
// at a time; this many blocks wait ahead of the writer, so the readers never run dry.
constexpr std::size_t kSinglesPerBlock = 256;
constexpr std::size_t kBlocksAhead = 8;
// Looking a name up is mostly the kernel's work: two readers keep it busy beside the writer.
constexpr int kReaders = 2;

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray quoted(QByteArrayView path)
{
    return '\'' + path.toByteArray() + '\'';
}

} // namespace

ListingRun::ListingRun(const Options& options, RowWriter& writer, Terminal& terminal)
    : m_options(options)
    , m_writer(writer)
    , m_terminal(terminal)
{
    for (const StampKind kind : options.dates) {
        DateColumn& column = m_columns.emplace_back();
        column.kind = kind;
        if (options.time == TimeStyle::Local)
            column.text.emplace();
        else
            column.iso.emplace(options.time == TimeStyle::Utc ? IsoDateText::Zone::Utc
                                                              : IsoDateText::Zone::Local,
                               options.nanoseconds);
    }
    m_stamps = std::make_unique<ReadAhead<Block, Stamps>>(
        [](const Block& block, const std::atomic<bool>& cancelled) {
            // Each reader keeps the folder of its last path open for the next.
            thread_local FileTimesReader reader;
            Stamps stamps(block.count());
            for (std::size_t i = 0; i < stamps.size() && !cancelled; ++i) {
                stamps[i].times = reader.readUtf8(block.path(i));
                if (!stamps[i].times)
                    stamps[i].error = reader.lastError();
            }
            return stamps;
        },
        kReaders);
}

ListingRun::~ListingRun() = default;

int ListingRun::run()
{
    ::tzset(); // time-zone rules are read once per run
    m_writer.begin(m_options.dates);
    for (const QByteArray& path : m_options.paths)
        addPath(path);
    if (m_options.filesFrom)
        addFilesFrom(*m_options.filesFrom);
    sendSingles();
    writeRead(0);
    m_writer.finish();
    m_terminal.done();
    return m_someUnread ? 1 : 0;
}

void ListingRun::addPath(const QByteArray& path)
{
    if (isExistingFolder(QFile::decodeName(path)))
        walk(path);
    else
        addSingle(path);
}

void ListingRun::addFilesFrom(const QByteArray& source)
{
    const bool standardInput = source == "-";
    const int fd = standardInput ? STDIN_FILENO : ::open(source.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw Failure::fromErrno(errno,
                                 QStringLiteral("cannot read %1").arg(QFile::decodeName(source)));
    struct Close {
        int fd;
        bool own;
        ~Close()
        {
            if (own)
                ::close(fd);
        }
    } close{fd, !standardInput};

    // Entries are taken as they arrive, so a pipeline's first rows come out at once.
    const char separator = m_options.nulSeparated ? '\0' : '\n';
    QByteArray pending;
    char chunk[64 * 1024];
    for (;;) {
        checkInterrupted();
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw Failure::fromErrno(
                errno, QStringLiteral("cannot read %1").arg(QFile::decodeName(source)));
        }
        if (got == 0)
            break;
        pending.append(chunk, got);
        qsizetype begin = 0;
        for (qsizetype end = pending.indexOf(separator); end >= 0;
             end = pending.indexOf(separator, begin)) {
            if (end > begin)
                addPath(pending.mid(begin, end - begin));
            begin = end + 1;
        }
        pending.remove(0, begin);
    }
    if (!pending.isEmpty())
        addPath(pending);
}

void ListingRun::walk(const QByteArray& folder)
{
    if (!isValidUtf8(folder)) {
        m_terminal.warn("cannot walk " + quoted(folder) + ": its name is not UTF-8");
        m_someUnread = true;
        return;
    }
    sendSingles(); // the folder's files come after the entries before it
    FolderWalk walk({.pause =
                         [this] {
                             checkInterrupted();
                             showProgress();
                         },
                     .unreadable =
                         [this](const QString& unreadable, int error) {
                             m_terminal.warn(QStringLiteral("cannot read folder '%1': %2")
                                                 .arg(unreadable, errorText(error)));
                             m_someUnread = true;
                         }});
    m_walking = &walk;
    struct Done {
        ListingRun& run;
        FolderWalk& walk;
        ~Done()
        {
            const FolderWalk::Counts& counts = walk.counts();
            run.m_walked.folders += counts.folders;
            run.m_walked.files += counts.files;
            run.m_walking = nullptr;
        }
    } done{*this, walk};
    const NamePatterns pattern = NamePatterns::forExtensions(m_options.extension);
    walk.addTree(QFile::decodeName(folder), pattern, [this](const Block& files) { send(files); });
}

void ListingRun::addSingle(QByteArrayView path)
{
    m_singles.append(path);
    if (m_singles.count() >= kSinglesPerBlock)
        sendSingles();
}

void ListingRun::sendSingles()
{
    if (m_singles.ends.empty())
        return;
    send(std::exchange(m_singles, {}));
}

void ListingRun::send(Block block)
{
    checkInterrupted();
    m_stamps->ask(std::move(block), 0);
    writeRead(kBlocksAhead);
}

void ListingRun::writeRead(std::size_t pending)
{
    while (m_stamps->asked() > pending) {
        auto taken = m_stamps->take(0, [](const Block&) { return true; });
        const auto& [block, stamps] = *taken;
        for (std::size_t i = 0; i < stamps.size(); ++i)
            writeRow(block.path(i), stamps[i]);
        checkInterrupted();
        showProgress();
    }
}

void ListingRun::writeRow(QByteArrayView path, const Stamped& stamped)
{
    if (!stamped.times) {
        m_terminal.warn("cannot read " + quoted(path) + ": "
                        + errorText(stamped.error).toLocal8Bit());
        m_someUnread = true;
    }
    m_dateTexts.resize(0);
    std::vector<qsizetype>& ends = m_dateEnds;
    ends.clear();
    m_cells.assign(m_columns.size(), DateCell{});
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        DateColumn& column = m_columns[i];
        const std::optional<timespec> stamp =
            stamped.times ? stampOf(*stamped.times, column.kind) : std::nullopt;
        if (stamp) {
            m_cells[i].stamp = *stamp;
            if (column.text)
                column.text->appendUtf8(column.clock.convert(*stamp), m_dateTexts);
            else
                column.iso->append(*stamp, m_dateTexts);
        }
        ends.push_back(stamp ? m_dateTexts.size() : -1);
    }
    // Views only once every text is in: appending may move the buffer.
    qsizetype begin = 0;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        if (ends[i] < 0)
            continue;
        m_cells[i].present = true;
        m_cells[i].text = QByteArrayView(m_dateTexts).sliced(begin, ends[i] - begin);
        begin = ends[i];
    }
    m_writer.row(path, m_cells);
}

void ListingRun::showProgress()
{
    const quint64 folders = m_walked.folders + (m_walking ? m_walking->counts().folders : 0);
    const quint64 files = m_walked.files + (m_walking ? m_walking->counts().files : 0);
    m_terminal.progress(folders, files, m_writer.rowsWritten());
}

} // namespace quillfen::cli
