#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

namespace quillfen {

class WindowContext;

// The plain ways of editing the file list.

// "Add File(s)": the multi-select open dialog; picked files are appended in the dialog's order.
void addFiles(WindowContext& window);
// "Clear List": empties the file list, unless the window is busy.
void clearList(WindowContext& window);
// Double-click: removes the selected entry, unless the window is busy.
void removeSelectedFile(WindowContext& window);
// The file list's keys: Delete removes every selected entry, unless the window is busy.
void fileListKeyPressed(WindowContext& window, int key);

} // namespace quillfen
