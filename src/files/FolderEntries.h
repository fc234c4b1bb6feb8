#pragma once

// Layer files: files and folders on disk; uses base and Qt Core.
//
// The folder walk's reading of one folder: opening it, telling its entries apart with as few
// status calls as the directory allows, and collecting its matching files and sub-folders.
// Used by the walk and its read-ahead only.

#include "files/PathBlock.h"
#include "files/Wildcard.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <optional>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

namespace quillfen::folders {

// A file-system name as text; none when it is not valid UTF-8 (such a name could not be
// looked up again from its text).
std::optional<QString> decodeName(QByteArrayView bytes);

// One folder, opened for reading; the descriptor also anchors status calls of its entries.
class OpenFolder {
public:
    explicit OpenFolder(const QByteArray& path);
    ~OpenFolder();
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;

    bool isOpen() const { return m_dir != nullptr; }
    int error() const { return m_error; }
    int fd() const { return ::dirfd(m_dir); }

    // The next entry other than "." and ".."; null at the end or on a read error, after which
    // the entries read so far are all there is.
    const dirent* next();

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

// What the entry is, with a status call only where the reported type is not enough.
Entry classify(int dirFd, const dirent& raw);

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
    PathBlock files;
    std::vector<QByteArray> subfolders; // raw names, in the order the file system gives them
};

// For a read that nothing cancels.
extern const std::atomic<bool> kGoOn;

// Reads one folder: stops early once `cancelled` is set.
FolderListing readFolder(const FolderJob& job, const NamePatterns& pattern,
                         const std::atomic<bool>& cancelled);

} // namespace quillfen::folders
