#pragma once

// Layer files: files and folders on disk; uses base and Qt Core.

#include <QByteArray>
#include <QList>
#include <QString>

#include <sys/stat.h>

namespace quillfen {

// Windows-style attribute values of a directory entry, as the folder walk's rules use them.
// On POSIX: read-only = a file (not a folder) without any write permission bit; hidden = the
// name begins with "."; system = the folder is the root of a virtual file system such as
// /proc, /sys or /dev (which then also counts as hidden); directory = is a folder, following
// links; archive = a regular file; reparse point = a symbolic link.
namespace attr {
inline constexpr unsigned kReadOnly = 1;
inline constexpr unsigned kHidden = 2;
inline constexpr unsigned kSystem = 4;
inline constexpr unsigned kDirectory = 16;
inline constexpr unsigned kArchive = 32;
inline constexpr unsigned kReparsePoint = 1024;

// A file with exactly these attributes (hidden and archive only) is left out of folder scans.
inline constexpr unsigned kSkippedFile = kHidden | kArchive;
} // namespace attr

// The attributes of an entry from its own status (lstat) and, for a link, its target's
// (stat; may be null for a dangling link). The system bit needs the mount table and is left
// to isVirtualRoot().
unsigned attributesFrom(const QString& name, const struct stat& own, const struct stat* target);

// True for the names of virtual file systems (proc, sysfs, devtmpfs, cgroup...).
bool isVirtualFileSystem(const QByteArray& type);

// Which devices hold virtual file systems, read once from the mount table (devtmpfs and tmpfs
// share their magic number, so the type name is what tells /dev from /tmp).
class MountTable {
public:
    static MountTable read();
    static MountTable fromMountInfo(const QByteArray& mountInfo);

    bool isVirtual(dev_t device) const;

private:
    QList<dev_t> m_virtualDevices;
};

// True when a folder is the root of a mounted virtual file system: it lies on another device
// than its parent and that device is virtual.
bool isVirtualRoot(const MountTable& mounts, const struct stat& folder, const struct stat& parent);

} // namespace quillfen
