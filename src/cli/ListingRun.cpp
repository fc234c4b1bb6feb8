#include "cli/ListingRun.h"

#include "base/Failure.h"
#include "base/Utf8.h"
#include "cli/CliTexts.h"
#include "files/Wildcard.h"
#include "snapshot/SnapshotTexts.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
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

// A folder, links followed, named by its bytes.
bool isFolder(const QByteArray& path)
{
    struct stat info {};
    return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

ListingRun::ListingRun(const Options& options, RowWriter& writer, Terminal& terminal,
                       SnapshotComparison* comparison)
    : m_options(options)
    , m_writer(writer)
    , m_terminal(terminal)
    , m_comparison(comparison)
    , m_namesExact(writer.keepsAnyName())
    , m_cannotRead(texts::kCannotReadEntry().toLocal8Bit())
    , m_cannotReadFolder(texts::kCannotReadFolder().toLocal8Bit())
    , m_nameNotUtf8(texts::kNameNotUtf8().toLocal8Bit())
{
    const auto addValue = [&](SnapshotColumn value, Side side, OutputColumn output) {
        Column& column = m_columns.emplace_back();
        column.value = value;
        column.side = side;
        m_outputColumns.push_back(std::move(output));
        if (value == SnapshotColumn::Size)
            return;
        if (options.time == TimeStyle::Local)
            column.text.emplace();
        else
            column.iso.emplace(options.time == TimeStyle::Utc ? IsoDateText::Zone::Utc
                                                              : IsoDateText::Zone::Local,
                               options.nanoseconds);
    };
    const auto addOwn = [&](Column::Source source, OutputColumn output) {
        m_columns.emplace_back().source = source;
        m_outputColumns.push_back(std::move(output));
    };
    if (comparison) {
        addOwn(Column::Source::Change,
               {OutputColumn::Kind::Text, quillfen::texts::kChangeHeader(),
                quillfen::texts::kChangeHeader.english(), kChangeKey});
        addOwn(Column::Source::Path, outputColumnOf(FileColumn::Path));
        for (const SnapshotColumn value : comparison->compared()) {
            for (const Side side : {Side::Before, Side::After}) {
                const OutputColumn::Kind kind = value == SnapshotColumn::Size
                    ? OutputColumn::Kind::Size
                    : OutputColumn::Kind::Date;
                addValue(value, side,
                         {kind, comparedHeader(value, side), comparedCsvHeader(value, side),
                          comparedKey(value, side)});
            }
        }
    } else {
        for (const FileColumn file : options.columns) {
            if (file == FileColumn::Path)
                addOwn(Column::Source::Path, outputColumnOf(file));
            else
                addValue(snapshotColumnOf(file), Side::After, outputColumnOf(file));
        }
    }
    for (const StampKind kind : kAllStampKinds) {
        const InstantRange& range = options.ranges[static_cast<std::size_t>(kind)];
        if (!range.isOpen())
            m_dateConditions.emplace_back(kind, range);
    }
    for (const QString& name : options.names)
        m_names.emplace_back(name);
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
    m_writer.begin(m_outputColumns);
    for (const QByteArray& path : m_options.paths)
        addPath(path);
    if (m_options.filesFrom)
        addFilesFrom(*m_options.filesFrom);
    sendSingles();
    writeRead(0);
    if (m_comparison)
        writeRemoved();
    m_writer.finish();
    m_terminal.done();
    return m_someAmiss || m_differs ? 1 : 0;
}

void ListingRun::addPath(const QByteArray& path)
{
    if (isFolder(path))
        walk(path);
    else
        addSingle(path);
}

void ListingRun::addFilesFrom(const QByteArray& source)
{
    const bool standardInput = source == "-";
    const int fd = standardInput ? STDIN_FILENO : ::open(source.constData(), O_RDONLY | O_CLOEXEC);
    const QString cannotRead = texts::kCannotReadList().arg(QFile::decodeName(source));
    if (fd < 0)
        throw Failure::fromErrno(errno, cannotRead);
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
            throw Failure::fromErrno(errno, cannotRead);
        }
        if (got == 0)
            break;
        // A list of NUL-ended paths read by lines would be one path of them all.
        if (!m_options.nulSeparated && std::memchr(chunk, 0, static_cast<std::size_t>(got)))
            throw UsageMistake{texts::kNulInList().arg(QFile::decodeName(source))};
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
    sendSingles(); // the folder's files come after the entries before it
    FolderWalk walk({.pause =
                         [this] {
                             checkInterrupted();
                             showProgress();
                         },
                     .unreadable =
                         [this](const QString& unreadable, int error) {
                             m_terminal.warn(withBytes(m_cannotReadFolder, unreadable.toLocal8Bit(),
                                                       errorText(error).toLocal8Bit()));
                             m_someAmiss = true;
                         }});
    walk.takeNamesNotUtf8(); // the output carries them, or says which it cannot
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
    walk.addTreeBytes(folder, pattern, [this](const Block& files) { send(files); });
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

bool ListingRun::passesNames(QByteArrayView path) const
{
    return std::all_of(m_names.begin(), m_names.end(),
                       [&](const PathPattern& name) { return name.matchesUtf8(path); });
}

bool ListingRun::passesDates(const FileValues& values) const
{
    for (const auto& [kind, range] : m_dateConditions) {
        const std::optional<timespec>& stamp = values.stamp(snapshotColumnOf(columnOf(kind)));
        if (!range.contains(stamp ? instantKey(*stamp) : InstantRange::kNoBound))
            return false;
    }
    return true;
}

void ListingRun::writeRow(QByteArrayView path, const Stamped& stamped)
{
    FileValues now;
    if (stamped.times) {
        const FileTimes& times = *stamped.times;
        now.size = times.size;
        for (const StampKind kind : kAllStampKinds)
            now.stamp(snapshotColumnOf(columnOf(kind))) = stampOf(times, kind);
    }
    // Every entry goes to the comparison, so one that is filtered out is not taken for removed.
    ComparedRow compared;
    if (m_comparison)
        compared = m_comparison->compare(path, now);
    if (!passesNames(path))
        return; // not asked for: neither listed nor, unreadable, said
    if (!stamped.times) {
        m_terminal.warn(withBytes(m_cannotRead, path, errorText(stamped.error).toLocal8Bit()));
        m_someAmiss = true;
    }
    if (!passesDates(now))
        return;
    if (!m_comparison) {
        writeCells(path, {}, now, now);
    } else if (compared.change != Change::Unchanged || m_options.all) {
        m_differs = m_differs || compared.change != Change::Unchanged;
        writeCells(path, compared.word, compared.before, now);
    }
}

void ListingRun::writeRemoved()
{
    m_comparison->forEachRemoved([this](const ComparedRow& row) {
        if (!passesNames(row.path) || !passesDates(row.before))
            return;
        m_differs = true;
        writeCells(row.path, row.word, row.before, row.after);
    });
}

void ListingRun::writeCells(QByteArrayView path, QByteArrayView change, const FileValues& before,
                            const FileValues& after)
{
    if (!m_namesExact && !isValidUtf8(path)) {
        m_terminal.warn(withBytes(m_nameNotUtf8, path));
        m_someAmiss = true;
    }
    m_cellTexts.resize(0);
    m_cellSpans.assign(m_columns.size(), {});
    m_cells.assign(m_columns.size(), Cell{});
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        Cell& cell = m_cells[i];
        Column& column = m_columns[i];
        if (column.source != Column::Source::Value) {
            cell.present = true;
            cell.text = column.source == Column::Source::Path ? path : change;
            continue;
        }
        const qsizetype begin = m_cellTexts.size();
        cell.present = appendCell(column, column.side == Side::Before ? before : after, cell);
        m_cellSpans[i] = {begin, m_cellTexts.size()};
    }
    // Views only once every text is in: appending may move the buffer.
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (m_cells[i].present && m_columns[i].source == Column::Source::Value) {
            const auto [begin, end] = m_cellSpans[i];
            m_cells[i].text = QByteArrayView(m_cellTexts).sliced(begin, end - begin);
        }
    }
    m_writer.row(m_cells);
}

bool ListingRun::appendCell(Column& column, const FileValues& values, Cell& cell)
{
    if (column.value == SnapshotColumn::Size) {
        if (!values.size)
            return false;
        cell.size = *values.size;
        char digits[24];
        const std::to_chars_result written =
            std::to_chars(std::begin(digits), std::end(digits), cell.size);
        m_cellTexts.append(digits, written.ptr - digits);
        return true;
    }
    const std::optional<timespec>& stamp = values.stamp(column.value);
    if (!stamp)
        return false;
    cell.stamp = *stamp;
    if (column.text)
        column.text->appendUtf8(column.clock.convert(*stamp), m_cellTexts);
    else
        column.iso->append(*stamp, m_cellTexts);
    return true;
}

void ListingRun::showProgress()
{
    const quint64 folders = m_walked.folders + (m_walking ? m_walking->counts().folders : 0);
    const quint64 files = m_walked.files + (m_walking ? m_walking->counts().files : 0);
    m_terminal.progress(folders, files, m_writer.rowsWritten());
}

} // namespace quillfen::cli
