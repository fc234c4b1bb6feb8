#include "filelist/FolderWalk.h"

#include "app/ErrorReport.h"
#include "filelist/PathUtils.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>

#include <deque>
#include <optional>

#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillfen {

namespace {

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// A file-system name as text; none when it is not valid UTF-8 (such a name could not be
// looked up again from its text).
std::optional<QString> decodeName(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    // A name may begin with U+FEFF: it is part of the name, not a byte-order mark to drop.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// A strict UTF-8 check: no overlong forms, surrogates or values past U+10FFFF.
bool isValidUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int more = 0;
        char32_t value = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            value = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            value = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            value = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= more)
            return false;
        for (int i = 1; i <= more; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (p[i] & 0x3F);
        }
        if ((more == 2 && (value < 0x800 || (value >= 0xD800 && value <= 0xDFFF)))
            || (more == 3 && (value < 0x10000 || value > 0x10FFFF)))
            return false;
        p += more + 1;
    }
    return true;
}

bool isControl(char32_t c)
{
    return c < 32 || (c >= 127 && c <= 159);
}

// One folder, opened for reading; the descriptor also anchors status calls of its entries.
class OpenFolder {
public:
    explicit OpenFolder(const QByteArray& path)
    {
        const int fd = ::open(path.constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
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
    QString path; // ends in the separator
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

} // namespace

bool HasBadNameChars(QByteArrayView name)
{
    const std::optional<QString> text = decodeName(name);
    if (!text)
        return true;
    for (const char32_t c : text->toUcs4()) {
        if (isControl(c))
            return true;
    }
    return false;
}

QStringList ListFilesInFolder(const QString& folder, const WildcardPattern& pattern,
                              int* openError)
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

FolderWalk::FolderWalk(std::function<void()> yield, MessageBoxes& reports)
    : m_yield(std::move(yield))
    , m_reports(reports)
    , m_mounts(MountTable::read())
{
}

void FolderWalk::addTree(const QString& folder, const WildcardPattern& pattern,
                         const FileBlock& sink)
{
    ReportingProcedure walk(m_reports, Procedure::GetSubDirectories2016);
    QSet<FolderId> walked;
    PathBlock files; // reused, so its buffers grow once
    std::deque<PendingFolder> pending;
    pending.push_back({folder + kSeparator, {}, true});

    while (!pending.empty()) {
        const PendingFolder current = std::move(pending.front());
        pending.pop_front();
        const QByteArray encoded = QFile::encodeName(current.path);
        if (encoded.size() >= PATH_MAX)
            continue;

        OpenFolder open(encoded);
        if (!open.isOpen())
            continue; // gone, not a folder or not readable: dropped without a message

        struct stat self {};
        if (::fstat(open.fd(), &self) != 0)
            continue;
        if (walked.contains({self.st_dev, self.st_ino}))
            continue; // reached again through a link
        walked.insert({self.st_dev, self.st_ino});
        walk.step(100, [&] { m_yield(); });

        // A virtual file system's root is left alone unless it is the chosen folder, which is
        // still listed but not walked; the root folder is always walked.
        bool descend = true;
        const bool isRootFolder = current.path == QString(2, kSeparator);
        if (!isRootFolder) {
            struct stat parent = current.parent;
            if (current.chosen && ::fstatat(open.fd(), "..", &parent, 0) != 0)
                parent = self;
            if (isVirtualRoot(m_mounts, self, parent)) {
                if (!current.chosen)
                    continue;
                descend = false;
            }
        }

        const QByteArray cleanFolder = QFile::encodeName(RemoveDoubleBackslashes(current.path));
        files.utf8.resize(0);
        files.ends.clear();
        walk.step(102, [&] {
            while (const dirent* raw = open.next()) {
                Entry entry = classify(open.fd(), *raw);
                if (entry.kind == Entry::Folder) {
                    if (!descend)
                        continue;
                    m_yield();
                    const std::optional<QString> name = decodeName(raw->d_name);
                    if (!name || HasBadNameChars(raw->d_name))
                        continue;
                    pending.push_back({current.path + *name + kSeparator, self, false});
                    continue;
                }
                if (entry.kind != Entry::File)
                    continue;
                // Names stay UTF-8 from the directory to the list; only a dot-file's name is
                // decoded, for its attributes.
                const QByteArrayView name(raw->d_name);
                if (name.startsWith('~') || !isValidUtf8(name) || !pattern.matchesUtf8(name))
                    continue;
                if (name.startsWith('.')
                    && fileAttributes(open.fd(), *raw, entry, QString::fromUtf8(name))
                        == attr::kSkippedFile)
                    continue;
                files.utf8.append(cleanFolder);
                files.utf8.append(name);
                files.ends.push_back(static_cast<quint32>(files.utf8.size()));
            }
        });
        if (!files.ends.empty())
            walk.step(104, [&] { sink(files); });
    }
}

} // namespace quillfen
