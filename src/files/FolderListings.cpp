#include "files/FolderListings.h"

#include "base/Paths.h"

namespace quillfen::folders {

// The path with its doubled separators removed, whatever its bytes: as Latin-1, every byte
// is one character and back, and the separator is ASCII.
QByteArray withoutDoubledSeparators(const QByteArray& path)
{
    return removeDoubledSeparators(QString::fromLatin1(path)).toLatin1();
}

FolderJob jobFor(const PendingFolder& folder, bool namesNotUtf8)
{
    return FolderJob{folder.path, withoutDoubledSeparators(folder.path), folder.chosen,
                     namesNotUtf8};
}

} // namespace quillfen::folders
