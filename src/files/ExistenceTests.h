#pragma once

// Layer files: files and folders on disk; uses base and Qt Core.

#include <QString>

namespace quillfen {

// Quiet tests of the file system: any failure of the lookup answers false, never an error.

// True when the path names an existing entry whose modification time can be read (the
// entry itself, not a link's target).
bool isExistingPath(const QString& path);

// True when the path names an existing folder, following links.
bool isExistingFolder(const QString& path);

} // namespace quillfen
