#include "files/FolderWalk.h"

#include "base/Paths.h"
#include "base/Utf8.h"
#include "files/ReadAhead.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <atomic>
#include <deque>
#include <optional>

#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillfen {

namespace {

// A file-system name as text; none when it is not valid UTF-8 (such a name could not be
// looked up again from its text).
std::optional<QString> decodeName(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (!isValidUtf8(bytes))
        return std::nullopt;
    // A name may begin with U+FEFF: it is part of the name, not a byte-order mark to drop.
    return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
        .decode(bytes);
}

// One folder, opened for reading; the descriptor also anchors status calls of its entries.
class OpenFolder {
public:
    explicit OpenFolder(const QByteArray& path)
    {
        const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            m_error = errno;
            return;
        }
        m_dir = ::fdopendir(fd);
        if (m_dir == nullptr) {
            m_error = errno;
            ::close(fd);
        }
    }
    ~OpenFolder()
    {
        if (m_dir != nullptr)
            ::closedir(m_dir);
    }
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;

    bool isOpen() const { return m_dir != nullptr; }
    int error() const { return m_error; }
    int fd() const { return ::dirfd(m_dir); }

    // The next entry other than "." and ".."; null at the end or on a read error, after which
    // the entries read so far are all there is.
    const dirent* next()
    {
        for (;;) {
            const dirent* entry = ::readdir(m_dir);
            if (entry == nullptr)
                return nullptr;
            const char* name = entry->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            return entry;
        }
    }

private:
    DIR* m_dir = nullptr;
    int m_error = 0;
};

// What a directory entry is, with a status call only where the reported type is not enough.
struct Entry {
    enum Kind { Folder, File, Gone } kind = Gone;
    bool isLink = false;
    bool haveOwn = false;
    struct stat own {};
    struct stat target {};
};

Entry classify(int dirFd, const dirent& raw)
{
    Entry entry;
    unsigned char type = raw.d_type;
    if (type == DT_UNKNOWN) {
        if (::fstatat(dirFd, raw.d_name, &entry.own, AT_SYMLINK_NOFOLLOW) != 0)
            return entry;
        entry.haveOwn = true;
        type = IFTODT(entry.own.st_mode);
    }
    if (type == DT_DIR) {
        entry.kind = Entry::Folder;
        return entry;
    }
    if (type == DT_LNK) {
        entry.isLink = true;
        if (::fstatat(dirFd, raw.d_name, &entry.target, 0) != 0)
            return entry; // dangling: neither a file nor a folder
        entry.kind = S_ISDIR(entry.target.st_mode) ? Entry::Folder : Entry::File;
        return entry;
    }
    entry.kind = Entry::File;
    return entry;
}

// The attribute value of a file entry; only hidden entries ever reach exactly hidden+archive,
// so only they need their own status.
unsigned fileAttributes(int dirFd, const dirent& raw, Entry& entry, const QString& name)
{
    if (!name.startsWith(u'.'))
        return attr::kHidden; // anything but the skipped value; the exact bits do not matter
    if (!entry.haveOwn) {
        if (::fstatat(dirFd, raw.d_name, &entry.own, AT_SYMLINK_NOFOLLOW) != 0)
            return 0;
        entry.haveOwn = true;
    }
    return attributesFrom(name, entry.own, entry.isLink ? &entry.target : nullptr);
}

struct PendingFolder {
    QByteArray path; // as the file system takes it, ends in the separator
    struct stat parent {};
    bool chosen = false; // the folder the walk started from
};

struct FolderId {
    dev_t device;
    ino_t inode;
    bool operator==(const FolderId&) const = default;
};

size_t qHash(const FolderId& id, size_t seed = 0)
{
    return qHashMulti(seed, static_cast<quint64>(id.device), static_cast<quint64>(id.inode));
}

// What the walk reads of one folder in one go, on the read-ahead worker: the folder's own
// status, the matching files as full paths and the names of the sub-folders to walk.
struct FolderJob {
    QByteArray path;        // as given to open(), ends in the separator
    QByteArray cleanFolder; // the folder as the file paths begin with it
    bool chosen = false;
    bool namesNotUtf8 = false; // whether files whose names are not UTF-8 are listed too
};

struct FolderListing {
    bool open = false; // false: gone, not a folder or not readable
    int error = 0;     // why not, as an errno value
    struct stat self {};
    quint64 hiddenFiles = 0;           // matching files left out for being hidden
    std::optional<struct stat> parent; // "..", read for the chosen folder only
    FolderWalk::PathBlock files;
    std::vector<QByteArray> subfolders; // raw names, in the order the file system gives them
};

// For a read that nothing cancels.
const std::atomic<bool> kGoOn{false};

FolderListing readFolder(const FolderJob& job, const NamePatterns& pattern,
                         const std::atomic<bool>& cancelled)
{
    FolderListing listing;
    if (job.path.size() >= PATH_MAX) {
        listing.error = ENAMETOOLONG;
        return listing;
    }
    OpenFolder open(job.path);
    if (!open.isOpen()) {
        listing.error = open.error();
        return listing;
    }
    if (::fstat(open.fd(), &listing.self) != 0) {
        listing.error = errno;
        return listing;
    }
    listing.open = true;
    if (job.chosen) {
        struct stat parent {};
        if (::fstatat(open.fd(), "..", &parent, 0) == 0)
            listing.parent = parent;
    }
    while (const dirent* raw = open.next()) {
        if (cancelled)
            break;
        Entry entry = classify(open.fd(), *raw);
        if (entry.kind == Entry::Folder) {
            listing.subfolders.emplace_back(raw->d_name);
            continue;
        }
        if (entry.kind != Entry::File)
            continue;
        // Names stay as the directory gives them on their way to the list; only a dot-file's
        // name is decoded, for its attributes.
        const QByteArrayView name(raw->d_name);
        if (name.startsWith('~') || (!job.namesNotUtf8 && !isValidUtf8(name))
            || !pattern.matchesUtf8(name))
            continue;
        if (name.startsWith('.')
            && fileAttributes(open.fd(), *raw, entry, QString::fromUtf8(name))
                == attr::kSkippedFile) {
            ++listing.hiddenFiles;
            continue;
        }
        listing.files.utf8.append(job.cleanFolder);
        listing.files.append(name);
    }
    return listing;
}

// The path with its doubled separators removed, whatever its bytes: as Latin-1, every byte
// is one character and back, and the separator is ASCII.
QByteArray withoutDoubledSeparators(const QByteArray& path)
{
    return removeDoubledSeparators(QString::fromLatin1(path)).toLatin1();
}

FolderJob jobFor(const PendingFolder& folder, bool namesNotUtf8)
{
    return FolderJob{folder.path, withoutDoubledSeparators(folder.path), folder.chosen,
                     namesNotUtf8};
}

// Hands the walk the listing of each folder it reaches, read ahead in batches of the folders
// waiting next. A listing is used only for the folder it was read for and only under the
// generation it was asked under; otherwise the folder and those after it are read again.
class Listings {
public:
    Listings(const NamePatterns& pattern, bool namesNotUtf8)
        : m_pattern(pattern)
        , m_namesNotUtf8(namesNotUtf8)
        , m_ahead(
              [&pattern](const Batch& batch, const std::atomic<bool>& cancelled) {
                  std::vector<FolderListing> listings;
                  for (const FolderJob& job : batch) {
                      if (cancelled)
                          break;
                      listings.push_back(readFolder(job, pattern, cancelled));
                  }
                  return listings;
              },
              kReadingThreads)
    {
    }

    // The listing of `folder`, just taken from the front of `waiting`, read under `generation`.
    FolderListing of(const PendingFolder& folder, const std::deque<PendingFolder>& waiting,
                     quint64 generation, const std::function<void()>& whileWaiting)
    {
        const QByteArray& path = folder.path;
        if (m_covered > 0)
            --m_covered;
        const bool inBatch = m_used < m_batch.size() && m_jobs[m_used].path == path;
        if (inBatch && m_generation != generation) {
            // Read before the window processed events: read again, here and quickly, as the
            // reader has just brought it into the cache. The batches asked after it stay.
            return readFolder(m_jobs[m_used++], m_pattern, kGoOn);
        }
        if (!inBatch) {
            const auto startsHere = [&](const Batch& batch) { return batch.front().path == path; };
            m_ahead.renew(generation);
            auto taken = m_ahead.take(generation, startsHere, whileWaiting);
            if (!taken) {
                // Alone: the folders after it are read in batches while it is used.
                m_covered = 0;
                m_ahead.ask(Batch{jobFor(folder, m_namesNotUtf8)}, generation);
                taken = m_ahead.take(generation, startsHere, whileWaiting);
            }
            m_jobs = std::move(taken->first);
            m_batch = std::move(taken->second);
            m_used = 0;
            m_generation = generation;
            while (m_ahead.asked() < kBatchesAhead && m_covered < waiting.size()) {
                Batch batch;
                addJobs(batch, waiting);
                m_ahead.ask(std::move(batch), generation);
            }
        }
        return std::move(m_batch[m_used++]);
    }

private:
    using Batch = std::vector<FolderJob>;

    // Fills `batch` from the waiting folders not yet asked for.
    void addJobs(Batch& batch, const std::deque<PendingFolder>& waiting)
    {
        while (batch.size() < kFoldersPerBatch && m_covered < waiting.size())
            batch.push_back(jobFor(waiting[m_covered++], m_namesNotUtf8));
    }

    // Reading a folder is mostly the kernel's work and outweighs what the walk does with it;
    // on a cold cache it also waits on the disk. Three threads: measured, two leave the cold
    // scan a fifth slower and four cost the warm one a tenth. Small batches: the walk waits
    // for the whole batch its next folder is in.
    static constexpr int kReadingThreads = 3;
    static constexpr std::size_t kFoldersPerBatch = 4;
    static constexpr std::size_t kBatchesAhead = 8;

    const NamePatterns& m_pattern;
    bool m_namesNotUtf8;
    Batch m_jobs; // the batch in use, and what was read for it
    std::vector<FolderListing> m_batch;
    std::size_t m_used = 0;
    quint64 m_generation = 0;
    std::size_t m_covered = 0; // the waiting folders, from the front, that batches were asked for
    ReadAhead<Batch, std::vector<FolderListing>> m_ahead;
};

} // namespace

bool hasBadNameChars(QByteArrayView name)
{
    // Control characters are below 32 or 127 to 159; kNotUtf8 lies above them all.
    return !forEachCodePoint(
        name, [](char32_t c) { return c >= 32 && (c < 127 || c > 159) && c != kNotUtf8; });
}

bool hasControlChars(QByteArrayView name)
{
    return !forEachCodePoint(name, [](char32_t c) { return c >= 32 && (c < 127 || c > 159); });
}

QStringList listFilesInFolder(const QString& folder, const NamePatterns& pattern, int* openError)
{
    QStringList names;
    OpenFolder open(QFile::encodeName(folder));
    if (openError != nullptr)
        *openError = open.error();
    if (!open.isOpen())
        return names;
    while (const dirent* raw = open.next()) {
        if (classify(open.fd(), *raw).kind != Entry::File)
            continue;
        const std::optional<QString> name = decodeName(raw->d_name);
        if (name && pattern.matches(*name))
            names.append(*name);
    }
    return names;
}

FolderWalk::FolderWalk()
    : FolderWalk(Hooks{})
{
}

FolderWalk::FolderWalk(Hooks hooks)
    : m_hooks(std::move(hooks))
    , m_mounts(MountTable::read())
{
}

void FolderWalk::pause()
{
    if (m_hooks.pause)
        m_hooks.pause();
}

void FolderWalk::tellUnreadable(const QByteArray& pendingPath, int error)
{
    if (error == 0)
        return; // a failure reported as such
    ++m_counts.unreadableFolders;
    if (!m_hooks.unreadable)
        return;
    QByteArray folder = withoutDoubledSeparators(pendingPath);
    if (folder.size() > 1)
        folder.chop(1); // the separator pending folders end in
    m_hooks.unreadable(QFile::decodeName(folder), error);
}

quint64 FolderWalk::generation() const
{
    return m_hooks.generation ? m_hooks.generation() : 0;
}

template <typename Action> void FolderWalk::guard(Stage stage, Action&& action)
{
    if (!m_hooks.failed) {
        std::forward<Action>(action)();
        return;
    }
    try {
        std::forward<Action>(action)();
    } catch (const std::exception& error) {
        m_hooks.failed(stage, error);
    }
}

void FolderWalk::addTree(const QString& folder, const NamePatterns& pattern, const FileBlock& sink)
{
    addTreeBytes(QFile::encodeName(folder), pattern, sink);
}

void FolderWalk::addTreeBytes(const QByteArray& folder, const NamePatterns& pattern,
                              const FileBlock& sink)
{
    static_assert(kSeparator == u'/', "paths as bytes take the POSIX separator");
    QSet<FolderId> walked;
    std::deque<PendingFolder> pending;
    pending.push_back({folder + '/', {}, true});
    Listings listings(pattern, m_namesNotUtf8);

    while (!pending.empty()) {
        const PendingFolder current = std::move(pending.front());
        pending.pop_front();
        const quint64 listedUnder = generation();
        FolderListing listing;
        // The window goes on while a listing waits on the disk; if it processed events meanwhile,
        // the folder is read again below.
        guard(Stage::Listing,
              [&] { listing = listings.of(current, pending, listedUnder, [&] { pause(); }); });
        if (!listing.open) {
            // Gone, not a folder or not readable: left out, and only said through the hook.
            tellUnreadable(current.path, listing.error);
            continue;
        }

        struct stat self = listing.self;
        if (walked.contains({self.st_dev, self.st_ino}))
            continue; // reached again through a link
        walked.insert({self.st_dev, self.st_ino});
        guard(Stage::Pause, [&] { pause(); });
        if (generation() != listedUnder) {
            // Work done during the pause may have changed the folder: its entries are taken as
            // they are now (none if it is gone, none again if it now is a folder walked before).
            guard(Stage::Listing, [&] {
                FolderListing now = readFolder(jobFor(current, m_namesNotUtf8), pattern, kGoOn);
                if (!now.open)
                    tellUnreadable(current.path, now.error);
                if (now.open
                    && (now.self.st_dev != self.st_dev || now.self.st_ino != self.st_ino)) {
                    self = now.self;
                    if (walked.contains({self.st_dev, self.st_ino}))
                        now = {};
                    walked.insert({self.st_dev, self.st_ino});
                }
                listing.files = std::move(now.files);
                listing.hiddenFiles = now.hiddenFiles;
                listing.subfolders = std::move(now.subfolders);
            });
        }

        // A virtual file system's root is left alone unless it is the chosen folder, which is
        // still listed but not walked; the root folder is always walked.
        bool descend = true;
        const bool isRootFolder = current.path == "//";
        if (!isRootFolder) {
            const struct stat parent =
                current.chosen ? listing.parent.value_or(self) : current.parent;
            if (isVirtualRoot(m_mounts, self, parent)) {
                if (!current.chosen)
                    continue;
                descend = false;
            }
        }

        ++m_counts.folders;
        m_counts.hiddenFiles += listing.hiddenFiles;
        guard(Stage::Listing, [&] {
            if (!descend)
                return;
            for (const QByteArray& raw : listing.subfolders) {
                pause();
                if (m_namesNotUtf8 ? hasControlChars(raw) : hasBadNameChars(raw))
                    continue;
                pending.push_back({current.path + raw + '/', self, false});
            }
        });
        if (!listing.files.ends.empty()) {
            guard(Stage::Handing, [&] {
                sink(listing.files);
                m_counts.files += listing.files.ends.size();
            });
        }
    }
}

} // namespace quillfen
