#include "files/FolderWalk.h"

#include "base/Paths.h"
#include "base/Utf8.h"
#include "files/FolderListings.h"

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

using namespace folders;

namespace {

struct FolderId {
    dev_t device;
    ino_t inode;
    bool operator==(const FolderId&) const = default;
};

size_t qHash(const FolderId& id, size_t seed = 0)
{
    return qHashMulti(seed, static_cast<quint64>(id.device), static_cast<quint64>(id.inode));
}

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

namespace {

// Work done during the pause may have changed the folder: its entries are taken as they are
// `now` (none if it is gone, none again if it now is a folder walked before).
void takeListingAgain(FolderListing now, FolderListing& listing, struct stat& self,
                      QSet<FolderId>& walked)
{
    if (now.open && (now.self.st_dev != self.st_dev || now.self.st_ino != self.st_ino)) {
        self = now.self;
        if (walked.contains({self.st_dev, self.st_ino}))
            now = {};
        walked.insert({self.st_dev, self.st_ino});
    }
    listing.files = std::move(now.files);
    listing.hiddenFiles = now.hiddenFiles;
    listing.subfolders = std::move(now.subfolders);
}

} // namespace

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
            guard(Stage::Listing, [&] {
                FolderListing now = readFolder(jobFor(current, m_namesNotUtf8), pattern, kGoOn);
                if (!now.open)
                    tellUnreadable(current.path, now.error);
                takeListingAgain(std::move(now), listing, self, walked);
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
