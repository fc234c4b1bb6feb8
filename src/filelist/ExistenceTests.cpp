#include "filelist/ExistenceTests.h"

#include <QFile>

#include <sys/stat.h>

namespace quillfen {

namespace {

bool statPath(const QString& path, struct stat& info)
{
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace

bool IsExistingPath(const QString& path)
{
    struct stat info {};
    return statPath(path, info);
}

bool IsExistingFile(const QString& path)
{
    struct stat info {};
    return statPath(path, info) && !S_ISDIR(info.st_mode);
}

bool IsExistingFolder(const QString& path)
{
    struct stat info {};
    return statPath(path, info) && S_ISDIR(info.st_mode);
}

} // namespace quillfen
