#pragma once

// Layer files: files and folders on disk; uses base and Qt Core.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "base/Texts.h"

#include <ctime>
#include <optional>

namespace quillfen {

// A file's time stamps and size, read from its directory entry with one statx (never opening
// the file, never following a link), and whether the file system keeps a birth time.

struct FileTimes {
    timespec modified{};
    timespec accessed{};
    std::optional<timespec> created; // only where the file system keeps a birth time
    timespec changed{};              // the last change of the entry's status (ctime)
    quint64 size = 0;                // of the entry itself: a link's is that of its target's name
};

// The stamps: the window's three first, in its column order, then the status change, which
// only the command line reports.
enum class StampKind { Modified, Created, Accessed, Changed };

// The window's three date kinds, in its column order; it has a date box for each.
inline constexpr StampKind kStampKinds[] = {StampKind::Modified, StampKind::Created,
                                            StampKind::Accessed};
inline constexpr StampKind kAllStampKinds[] = {StampKind::Modified, StampKind::Created,
                                               StampKind::Accessed, StampKind::Changed};

// How each kind is named: its results column's header, and one lower-case word for other
// programs ("modified", "created", "accessed", "changed"); see FileColumn.h.
const UiText& stampHeader(StampKind kind);
const char* stampWord(StampKind kind);

inline std::optional<timespec> stampOf(const FileTimes& times, StampKind kind)
{
    switch (kind) {
    case StampKind::Modified:
        return times.modified;
    case StampKind::Created:
        return times.created;
    case StampKind::Accessed:
        return times.accessed;
    case StampKind::Changed:
        return times.changed;
    }
    return std::nullopt;
}

// One lookup of the entry itself (a link is not followed). No value when the path is empty,
// ends in a separator or cannot be found; never an error.
std::optional<FileTimes> readFileTimes(const QString& path);

// The same lookup for a long run of paths. Consecutive paths mostly share their folder, so
// the reader keeps the last folder open and looks each name up in it: one path component for
// the kernel to resolve instead of all of them.
class FileTimesReader {
public:
    FileTimesReader() = default;
    ~FileTimesReader();
    FileTimesReader(const FileTimesReader&) = delete;
    FileTimesReader& operator=(const FileTimesReader&) = delete;

    std::optional<FileTimes> read(const QString& path);
    // The path as the file system takes it: UTF-8 or any other bytes.
    std::optional<FileTimes> readUtf8(QByteArrayView utf8Path);
    // Why the last lookup that gave no value failed, as an errno value.
    int lastError() const { return m_error; }

private:
    QByteArray m_path;   // the path being read, reused
    QByteArray m_folder; // the folder m_folderFd is open on
    int m_folderFd = -1;
    int m_error = 0;
};

} // namespace quillfen
