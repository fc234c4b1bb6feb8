#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include "base/Failure.h"

#include <QByteArray>

namespace quillfen {

class Clipboard;
class CommandSession;
class RowSelection;
class TextTable;
struct Workspace;

// "Copy Results To Clipboard": places the ticked results rows on the clipboard as aligned,
// TAB-separated text and tells the user how to paste it.
void copyResultsToClipboard(Workspace& work, Clipboard& clipboard);

// The clipboard stayed busy through every attempt.
class ClipboardBusy : public Failure {
public:
    ClipboardBusy();
};

// Builds the clipboard text of `table`'s `rows` (yielding before each cell) and places it;
// nothing is touched when the table has no rows. Throws ClipboardBusy when the clipboard
// stayed busy through every attempt.
void copyTableToClipboard(CommandSession& session, Clipboard& clipboard, const TextTable& table,
                          const RowSelection& rows);

// Each tries up to 1000 times, back to back, and stops at the first attempt that works.
void clearClipboard(Clipboard& clipboard);
bool placeOnClipboard(Clipboard& clipboard, const QByteArray& utf8);

} // namespace quillfen
