#include "filelist/ExistenceTests.h"

#include <QFile>

#include <sys/stat.h>

namespace quillfen {

bool IsExistingPath(const QString& path)
{
    if (path.isEmpty())
        return false;
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace quillfen
