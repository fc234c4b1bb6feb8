#include "files/FolderEntries.h"

#include "base/Utf8.h"
#include "files/FileAttributes.h"

#include <QStringDecoder>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace quillfen::folders {

namespace {

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

} // namespace

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

OpenFolder::OpenFolder(const QByteArray& path)
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

OpenFolder::~OpenFolder()
{
    if (m_dir != nullptr)
        ::closedir(m_dir);
}

const dirent* OpenFolder::next()
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

} // namespace quillfen::folders
