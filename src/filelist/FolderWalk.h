#pragma once

#include "filelist/FileAttributes.h"
#include "filelist/Wildcard.h"

#include <QByteArrayView>
#include <QStringList>

#include <functional>
#include <vector>

namespace quillfen {

class MessageBoxes;

// The folder walk shared by the folder scan and the drop of folders.
//
// A tree is walked breadth first: the chosen folder, then all its sub-folders grouped by
// parent in the order the file system gives them, then their sub-folders, and so on. Each
// folder is read once (a few folders ahead of the walk, on a worker thread), relative to its
// open descriptor, and entries are classified by the type the directory reports, so only
// dot-files, links and entries of unknown type cost a status call and no entry is ever
// opened. Folders that cannot be listed are dropped
// silently; links to folders are followed, but each real folder is walked at most once, so
// a link cycle ends. Folders at the root of a virtual file system (/proc, /sys, /dev) are
// neither walked nor listed unless chosen themselves.
class FolderWalk {
public:
    // The matching files of one folder as full paths in UTF-8, one after the other: path i
    // ends at ends[i].
    struct PathBlock {
        QByteArray utf8;
        std::vector<quint32> ends;
    };
    using FileBlock = std::function<void(const PathBlock& paths)>;

    // `yield` lets the window process events (and throws once it is closed), `rounds` says how
    // often it has (EventYield::rounds: folders are read ahead only until the next time);
    // `reports` shows the error report for failures other than folders that cannot be listed.
    FolderWalk(std::function<void()> yield, std::function<quint64()> rounds, MessageBoxes& reports);

    // Walks the tree of `folder` and hands each folder's files matching `pattern` to `sink`,
    // in walk order. Names beginning with "~" and files whose attributes are exactly hidden
    // and archive are left out. Yields once per folder and per sub-folder found.
    void addTree(const QString& folder, const WildcardPattern& pattern, const FileBlock& sink);

private:
    std::function<void()> m_yield;
    std::function<quint64()> m_rounds;
    MessageBoxes& m_reports;
    MountTable m_mounts;
};

// The names (without folder) of the entries directly inside `folder` that are not folders
// (following links) and match `pattern`, in the order the file system gives them; none when
// the folder cannot be listed, and then `openError`, if given, receives the errno.
QStringList ListFilesInFolder(const QString& folder, const WildcardPattern& pattern,
                              int* openError = nullptr);

// True for a name that the walk will not follow: one holding a control character (below 32,
// or 127 to 159) or one that is not valid UTF-8.
bool HasBadNameChars(QByteArrayView name);

} // namespace quillfen
