#pragma once

#include "platform/Failure.h"

#include <QString>

#include <functional>

namespace quillfen {

class Clipboard;
class RowModel;
class WindowContext;

// "Copy Results To Clipboard": places the ticked results rows on the clipboard as aligned,
// TAB-separated text and tells the user how to paste it.
void copyResultsToClipboard(WindowContext& window);

// The clipboard text of a list, as UTF-8: one line per ticked row, cells padded to the widths of
// all rows (headers not counted, no header line), the last TAB and trailing spaces of each line
// removed, CR LF after every line. `beforeCell` runs before each cell is read.
QByteArray clipboardText(const RowModel& list, const std::function<void()>& beforeCell);

// The clipboard stayed busy through every attempt.
class ClipboardBusy : public Failure {
public:
    ClipboardBusy();
};

// Builds the text of `list` and places it; nothing is touched when the list has no rows.
// Throws ClipboardBusy when the clipboard stayed busy through every attempt.
void CopyListviewToClipboard(WindowContext& window, const RowModel& list);

// Each tries up to 1000 times, back to back, and stops at the first attempt that works.
void ClearClipboard(Clipboard& clipboard);
bool SetClipboardText(Clipboard& clipboard, const QByteArray& utf8);

} // namespace quillfen
