#pragma once

#include <QString>

namespace quillfen {

// Quiet tests of the file system: any failure of the lookup answers false, never an error.

// True when the path names an existing file or folder (its modification time can be read).
bool IsExistingPath(const QString& path);

} // namespace quillfen
