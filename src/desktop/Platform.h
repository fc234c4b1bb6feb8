#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include "desktop/Clipboard.h"
#include "desktop/Dialogs.h"
#include "desktop/EventYield.h"
#include "desktop/SettingsStore.h"
#include "desktop/Shell.h"
#include "desktop/SpreadsheetApp.h"

#include <QString>

#include <functional>
#include <memory>

namespace quillfen {

// Everything the main window needs from the desktop, handed to it in one bundle: the
// program builds it from the Qt implementations (makeDesktopPlatform), tests from fakes.
struct Platform {
    std::unique_ptr<MessageBoxes> messages;
    std::unique_ptr<InputBox> input;
    std::unique_ptr<FileDialogs> fileDialogs;
    std::unique_ptr<FolderBrowser> folderBrowser;
    std::unique_ptr<Clipboard> clipboard;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<SpreadsheetApp> spreadsheet;
    std::unique_ptr<HelpViewer> help;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<EventYield> yield;
    // A number with 0 <= r < 1 for each draw.
    std::function<double()> random;
    // The folder that holds the files that come with the program (samples, pointers):
    // beside the executable in a build tree, the installed data folder otherwise.
    QString programFilesFolder;
};

} // namespace quillfen
