#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include <QStringList>

class QMimeData;

namespace quillfen {

class FolderBrowser;
class InputBox;
class SettingsStore;
struct Workspace;

// What the folder scan asks the desktop for: the extension, the folder, and where both are
// remembered.
struct FolderScanServices {
    InputBox& input;
    FolderBrowser& folderBrowser;
    SettingsStore& settings;
};

// "Add All File(s) In Folder": asks for an extension and a folder, then appends every file of
// that extension in the folder and all its sub-folders. Both answers are remembered.
void addFolder(Workspace& work, const FolderScanServices& services);

// A drop on the file list: dropped files are appended as they are, dropped folders expand
// into all their files (and those of their sub-folders), in the order of the drop. A path
// that does not exist (any more) is skipped and named in the summary.
void dropPaths(Workspace& work, const QStringList& paths);

// The local paths a drop carries, in their order.
QStringList droppedPaths(const QMimeData& data);

} // namespace quillfen
