#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include <vector>

namespace quillfen {

class FileDialogs;
struct Workspace;

// The plain ways of editing the file list.

// "Add File(s)": the multi-select open dialog; picked files are appended in the dialog's order.
void addFiles(Workspace& work, FileDialogs& dialogs);
// "Clear List": empties the file list, unless the window is busy.
void clearList(Workspace& work);
// Double-click and Delete: removes the given entries (ascending), unless the window is busy.
void removeFiles(Workspace& work, const std::vector<int>& rows);

} // namespace quillfen
