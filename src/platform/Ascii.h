#pragma once

#include <QByteArrayView>

#include <algorithm>

namespace quillfen {

// True when every byte is below 0x80: such UTF-8 is Latin-1 too, one byte per character, so
// it can become text or be compared without decoding.
inline bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace quillfen
