#pragma once

// Layer app: the main window and start-up; uses commands and the layers below.

class QAction;
class QMainWindow;

namespace quillfen {

// The window's menu bar and the entries in it. Each entry shows its shortcut; the window
// connects them, and the buttons that do the same, to their commands.
struct WindowActions {
    // File
    QAction* addFiles;
    QAction* addFolder;
    QAction* loadSamples;
    QAction* startExtracting;
    QAction* saveText;
    QAction* saveWorkbook;
    QAction* copyResults;
    QAction* saveSnapshot;
    QAction* compareSnapshot;
    QAction* quit;
    // Edit
    QAction* selectAll;
    QAction* tick;
    QAction* untick;
    QAction* remove;
    QAction* clearList;
    QAction* clearResults;
    QAction* filterResults;
    // View
    QAction* timeline; // checkable: the timeline is shown
    // Help
    QAction* manual;
    QAction* about;

    // Makes the menu bar of `window` with its entries.
    static WindowActions create(QMainWindow& window);
};

} // namespace quillfen
