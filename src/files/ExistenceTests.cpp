#include "files/ExistenceTests.h"

#include "files/FileTimes.h"

#include <QFile>

#include <sys/stat.h>

namespace quillfen {

namespace {

bool statPath(const QString& path, struct stat& info)
{
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace

bool isExistingPath(const QString& path)
{
    // The same lookup that reads the dates: true exactly when a date could be reported.
    return readFileTimes(path).has_value();
}

bool isExistingFolder(const QString& path)
{
    struct stat info {};
    return statPath(path, info) && S_ISDIR(info.st_mode);
}

} // namespace quillfen
