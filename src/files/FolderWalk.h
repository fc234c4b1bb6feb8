#pragma once

// Layer files: files and folders on disk; uses base and Qt Core.

#include "files/FileAttributes.h"
#include "files/PathBlock.h"
#include "files/Wildcard.h"

#include <QByteArrayView>
#include <QStringList>

#include <exception>
#include <functional>
#include <vector>

namespace quillfen {

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
    // The matching files of one folder as full paths: UTF-8, unless takeNamesNotUtf8().
    using PathBlock = quillfen::PathBlock;
    using FileBlock = std::function<void(const PathBlock& paths)>;

    // Where in a folder's turn a failure other than an unreadable folder happened.
    enum class Stage {
        Pause,   // the pause before the folder's entries are used
        Listing, // reading the folder and queueing its sub-folders (with their pauses)
        Handing, // handing its files to the sink
    };

    // What the walk asks of whoever runs it; any of them may be left empty.
    struct Hooks {
        // Runs once before each folder's entries are used and once per sub-folder found, so
        // the caller can let other work run meanwhile; may throw to end the walk.
        std::function<void()> pause = {};
        // A count that moves whenever what the walk read may be out of date (other work that
        // ran during a pause may have changed the tree). Folders read ahead under one count are
        // read again under the next; empty means nothing changes behind the walk's back.
        std::function<quint64()> generation = {};
        // Told of a failure at a stage, after which the walk goes on; empty lets it end the walk.
        std::function<void(Stage, const std::exception&)> failed = {};
        // Told of each folder that cannot be listed (gone, not a folder any more, not
        // readable), with the errno value, before the walk leaves it out.
        std::function<void(const QString& folder, int error)> unreadable = {};
    };

    // What the walks of this object found so far.
    struct Counts {
        quint64 folders = 0;           // listed
        quint64 files = 0;             // handed to the sink
        quint64 hiddenFiles = 0;       // matching, but left out for being hidden
        quint64 unreadableFolders = 0; // left out for not being listable
    };

    FolderWalk();
    explicit FolderWalk(Hooks hooks);
    const Counts& counts() const { return m_counts; }

    // Lets the walk list files whose names are not valid UTF-8 and enter such folders too (a
    // folder whose name holds a control character stays out). The window cannot hold such a
    // name and leaves it off; the command line, which works on bytes, turns it on.
    void takeNamesNotUtf8() { m_namesNotUtf8 = true; }

    // Walks the tree of `folder` and hands each folder's files matching `pattern` to `sink`,
    // in walk order. Names beginning with "~" and files whose attributes are exactly hidden
    // and archive are left out.
    void addTree(const QString& folder, const NamePatterns& pattern, const FileBlock& sink);
    // The same for a folder named by its bytes, as the file system takes them.
    void addTreeBytes(const QByteArray& folder, const NamePatterns& pattern, const FileBlock& sink);

private:
    void pause();
    quint64 generation() const;
    void tellUnreadable(const QByteArray& pendingPath, int error);
    // Runs one stage's work; a failure goes to the failed hook, if any.
    template <typename Action> void guard(Stage stage, Action&& action);

    Hooks m_hooks;
    MountTable m_mounts;
    Counts m_counts;
    bool m_namesNotUtf8 = false;
};

// The names (without folder) of the entries directly inside `folder` that are not folders
// (following links) and match `pattern`, in the order the file system gives them; none when
// the folder cannot be listed, and then `openError`, if given, receives the errno.
QStringList listFilesInFolder(const QString& folder, const NamePatterns& pattern,
                              int* openError = nullptr);

// True for a name that the walk will not follow: one holding a control character (below 32,
// or 127 to 159) or one that is not valid UTF-8.
bool hasBadNameChars(QByteArrayView name);
// True for a name holding a control character; bytes that are not UTF-8 are none.
bool hasControlChars(QByteArrayView name);

} // namespace quillfen
