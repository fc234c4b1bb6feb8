#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include <Qt>

namespace quillfen {

class WindowContext;

// "Clear Results": removes every row; the columns stay.
void clearResults(WindowContext& window);

// The results list's key handler: Delete (with any modifiers) removes the current row, unless
// the window is busy.
void deleteCurrentResult(WindowContext& window, int key, Qt::KeyboardModifiers modifiers);

} // namespace quillfen
