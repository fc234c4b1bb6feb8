#pragma once

// Layer files: files and folders on disk; uses base and Qt Core.

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace quillfen {

// Paths one after the other in one buffer, as the file system takes them (UTF-8 or other
// bytes): path i ends at ends[i] and begins where path i - 1 ended. Handing many paths over
// this way costs one allocation, not one per path.
struct PathBlock {
    QByteArray utf8;
    std::vector<quint32> ends;

    std::size_t count() const { return ends.size(); }
    QByteArrayView path(std::size_t i) const
    {
        const quint32 begin = i == 0 ? 0 : ends[i - 1];
        return QByteArrayView(utf8).sliced(begin, ends[i] - begin);
    }
    void append(QByteArrayView path)
    {
        utf8.append(path);
        ends.push_back(static_cast<quint32>(utf8.size()));
    }
};

} // namespace quillfen
