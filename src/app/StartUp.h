#pragma once

// Layer app: the main window and start-up; uses commands and the layers below.

#include "files/FileTimes.h"

#include <QString>

namespace quillfen {

class MainWindow;

// Where each date box keeps its state in the settings ("Check1" to "Check3").
const QString& dateBoxKey(StampKind kind);

// Stores each date box's state in the settings whenever it changes. A change made by start-up
// is reported by start-up's report; a click has none, so a failure to store it is a warning.
void storeDateBoxChanges(MainWindow& window);

// What runs once before the window is first shown: the caption, icon and short title, the
// hand pointer, the occasional home page, the sample list, the file list's column and the
// date boxes from the settings. Each step is reported on its own and start-up goes on, so
// the window is always shown.
void runStartUp(MainWindow& window);

} // namespace quillfen
