#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include "base/Failure.h"

#include <QByteArray>

namespace quillfen {

class Clipboard;
class TextTable;
class WindowContext;

// "Copy Results To Clipboard": places the ticked results rows on the clipboard as aligned,
// TAB-separated text and tells the user how to paste it.
void copyResultsToClipboard(WindowContext& window);

// The clipboard stayed busy through every attempt.
class ClipboardBusy : public Failure {
public:
    ClipboardBusy();
};

// Builds the clipboard text of `table` (yielding before each cell) and places it; nothing is
// touched when the table has no rows. Throws ClipboardBusy when the clipboard stayed busy
// through every attempt.
void copyTableToClipboard(WindowContext& window, const TextTable& table);

// Each tries up to 1000 times, back to back, and stops at the first attempt that works.
void clearClipboard(Clipboard& clipboard);
bool placeOnClipboard(Clipboard& clipboard, const QByteArray& utf8);

} // namespace quillfen
