#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include <QString>

namespace quillfen {

class Messages;
class Shell;

// Shows a folder in the desktop's file manager; a desktop that cannot is said in a warning,
// not passed over in silence. Returns whether the folder was opened.
bool openFolder(Messages& messages, Shell& shell, const QString& folder);

} // namespace quillfen
