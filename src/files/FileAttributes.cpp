#include "files/FileAttributes.h"

#include <QFile>

#include <sys/sysmacros.h>

namespace quillfen {

unsigned attributesFrom(const QString& name, const struct stat& own, const struct stat* target)
{
    unsigned value = 0;
    const bool isLink = S_ISLNK(own.st_mode);
    const struct stat& effective = isLink && target != nullptr ? *target : own;
    const bool isFolder = S_ISDIR(effective.st_mode);
    if (isLink)
        value |= attr::kReparsePoint;
    if (isFolder)
        value |= attr::kDirectory;
    if (S_ISREG(own.st_mode))
        value |= attr::kArchive;
    if (!isFolder && (own.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 && !isLink)
        value |= attr::kReadOnly;
    if (name.startsWith(u'.'))
        value |= attr::kHidden;
    return value;
}

bool isVirtualFileSystem(const QByteArray& type)
{
    static const QByteArrayList kVirtual{
        "proc",    "sysfs",   "devtmpfs",   "devpts", "cgroup",     "cgroup2",
        "debugfs", "tracefs", "securityfs", "pstore", "bpf",        "configfs",
        "fusectl", "mqueue",  "hugetlbfs",  "autofs", "binfmt_misc"};
    return kVirtual.contains(type);
}

MountTable MountTable::read()
{
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromMountInfo(file.readAll());
}

MountTable MountTable::fromMountInfo(const QByteArray& mountInfo)
{
    // Each line: id parent major:minor root mount-point options [optional...] - type source ...
    MountTable table;
    for (const QByteArray& line : mountInfo.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-");
        if (fields.size() < 3 || separator < 0 || separator + 1 >= fields.size())
            continue;
        const QList<QByteArray> device = fields.at(2).split(':');
        if (device.size() != 2 || !isVirtualFileSystem(fields.at(separator + 1)))
            continue;
        bool majorOk = false;
        bool minorOk = false;
        const unsigned major = device.at(0).toUInt(&majorOk);
        const unsigned minor = device.at(1).toUInt(&minorOk);
        if (majorOk && minorOk)
            table.m_virtualDevices.append(makedev(major, minor));
    }
    return table;
}

bool MountTable::isVirtual(dev_t device) const
{
    return m_virtualDevices.contains(device);
}

bool isVirtualRoot(const MountTable& mounts, const struct stat& folder, const struct stat& parent)
{
    return folder.st_dev != parent.st_dev && mounts.isVirtual(folder.st_dev);
}

} // namespace quillfen
