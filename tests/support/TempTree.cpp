#include "support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

namespace quillfen::test {

namespace {
void require(bool ok, const QString& what)
{
    if (!ok)
        throw std::runtime_error(("test tree: cannot make " + what).toStdString());
}
} // namespace

TempTree::TempTree()
    : m_dir(QDir::tempPath() + QStringLiteral("/quillfen-tree-XXXXXX"))
{
    require(m_dir.isValid(), QStringLiteral("the root"));
}

QString TempTree::path(const QString& relative) const
{
    return relative.isEmpty() ? root() : root() + QLatin1Char('/') + relative;
}

QString TempTree::file(const QString& relative, const QByteArray& content)
{
    const QString full = path(relative);
    require(QDir().mkpath(QFileInfo(full).path()), full);
    QFile file(full);
    require(file.open(QIODevice::WriteOnly) && file.write(content) == content.size(), full);
    return full;
}

QString TempTree::folder(const QString& relative)
{
    const QString full = path(relative);
    require(QDir().mkpath(full), full);
    return full;
}

QString TempTree::symlink(const QString& target, const QString& relative)
{
    const QString full = path(relative);
    require(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(full).constData())
                == 0,
            full);
    return full;
}

QString TempTree::fifo(const QString& relative)
{
    const QString full = path(relative);
    require(::mkfifo(QFile::encodeName(full).constData(), 0644) == 0, full);
    return full;
}

void TempTree::setTimes(const QString& relative, time_t modified, time_t accessed)
{
    const QString full = path(relative);
    timespec times[2]{};
    times[0].tv_sec = accessed;
    times[1].tv_sec = modified;
    require(::utimensat(AT_FDCWD, QFile::encodeName(full).constData(), times, AT_SYMLINK_NOFOLLOW)
                == 0,
            full);
}

} // namespace quillfen::test
