#include "base/Paths.h"

namespace quillfen {

QString removeDoubledSeparators(const QString& path, QChar separator)
{
    const QString doubled(2, separator);
    const QString single(1, separator);
    if (!path.startsWith(separator)) {
        QString cleaned = path;
        return cleaned.replace(doubled, single);
    }
    qsizetype rest = 1;
    while (rest < path.size() && path.at(rest) == separator)
        ++rest;
    QString tail = path.mid(rest);
    tail.replace(doubled, single);
    const QString prefix = separator == u'\\' ? doubled : single;
    return prefix + tail;
}

QString fileNameOfPath(const QString& path, QChar separator)
{
    return path.mid(path.lastIndexOf(separator) + 1);
}

QString joinPath(const QString& folder, const QString& name, QChar separator)
{
    return folder + separator + name;
}

} // namespace quillfen
