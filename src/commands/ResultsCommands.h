#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include <Qt>

namespace quillfen {

class WindowContext;

// "Clear Results": removes every row; the columns stay.
void clearResults(WindowContext& window);

// The results list's keys: Delete (with any modifiers) removes every selected row, Space ticks
// them all (or unticks them all when the current row is ticked). Nothing while the window is
// busy.
void resultsKeyPressed(WindowContext& window, int key, Qt::KeyboardModifiers modifiers);

// The results list's context menu, each on the selected rows; nothing while the window is
// busy, as for the keys.
void removeSelectedResults(WindowContext& window);
void tickSelectedResults(WindowContext& window, bool ticked);
// Their paths, one per line, as text on the clipboard.
void copySelectedPaths(WindowContext& window);
// The folder of the current row's file, in the desktop's file manager.
void openContainingFolder(WindowContext& window);

// A click on a results header: the rows sorted by that column, ascending, or descending when
// they are sorted ascending by it already. Dates sort by their instant, paths in the locale's
// natural order folder by folder; equal rows keep their order, rows without a date go last.
// Nothing while the window is busy.
void sortResults(WindowContext& window, int column);

} // namespace quillfen
