#include "files/FileTimes.h"

#include "base/Paths.h"
#include "files/FileColumn.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillfen {

namespace {

timespec toTimespec(const statx_timestamp& stamp)
{
    timespec result{};
    result.tv_sec = static_cast<time_t>(stamp.tv_sec);
    result.tv_nsec = static_cast<long>(stamp.tv_nsec);
    return result;
}

std::optional<FileTimes> statEntry(int folderFd, const char* name, int* error = nullptr)
{
    struct statx entry {};
    if (::statx(folderFd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT,
                STATX_MTIME | STATX_ATIME | STATX_BTIME | STATX_CTIME | STATX_SIZE, &entry)
        != 0) {
        if (error != nullptr)
            *error = errno;
        return std::nullopt;
    }
    FileTimes times;
    times.modified = toTimespec(entry.stx_mtime);
    times.accessed = toTimespec(entry.stx_atime);
    times.changed = toTimespec(entry.stx_ctime);
    times.size = entry.stx_size;
    if ((entry.stx_mask & STATX_BTIME) != 0)
        times.created = toTimespec(entry.stx_btime);
    return times;
}

} // namespace

const UiText& stampHeader(StampKind kind)
{
    return columnHeader(columnOf(kind));
}

const char* stampWord(StampKind kind)
{
    return columnWord(columnOf(kind));
}

std::optional<FileTimes> readFileTimes(const QString& path)
{
    if (path.isEmpty() || path.endsWith(kSeparator))
        return std::nullopt;
    return statEntry(AT_FDCWD, QFile::encodeName(path).constData());
}

FileTimesReader::~FileTimesReader()
{
    if (m_folderFd >= 0)
        ::close(m_folderFd);
}

std::optional<FileTimes> FileTimesReader::read(const QString& path)
{
    return readUtf8(QFile::encodeName(path));
}

std::optional<FileTimes> FileTimesReader::readUtf8(QByteArrayView utf8Path)
{
    if (utf8Path.isEmpty()) {
        m_error = ENOENT;
        return std::nullopt;
    }
    if (utf8Path.endsWith('/')) {
        m_error = EISDIR; // the name of a folder's entries, not of an entry
        return std::nullopt;
    }
    m_path.resize(0); // keeps its buffer from row to row
    m_path.append(utf8Path.data(), utf8Path.size());
    const qsizetype slash = m_path.lastIndexOf('/');
    if (slash <= 0)
        return statEntry(AT_FDCWD, m_path.constData(), &m_error); // relative, or under the root
    const QByteArrayView folder(m_path.constData(), slash);
    if (m_folderFd < 0 || folder != m_folder) {
        if (m_folderFd >= 0)
            ::close(m_folderFd);
        m_folder = folder.toByteArray();
        m_folderFd = ::open(m_folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    if (m_folderFd >= 0) {
        if (auto times = statEntry(m_folderFd, m_path.constData() + slash + 1))
            return times;
    }
    // The folder may have been replaced since it was opened: the full lookup decides.
    return statEntry(AT_FDCWD, m_path.constData(), &m_error);
}

} // namespace quillfen
