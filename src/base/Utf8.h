#pragma once

// Layer base: shared by every layer; uses Qt Core only.

// The one place that reads UTF-8 byte by byte: file names come from the file system as bytes,
// and the lists keep their texts as UTF-8. Needs Qt Core only.

#include <QByteArrayView>

#include <algorithm>

namespace quillfen {

// What nextCodePoint() gives for bytes that are not strict UTF-8.
inline constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// The character that begins at `p` (before `end`), moving `p` past it. Strict, as RFC 3629
// has it: an overlong form, a surrogate, a value past U+10FFFF or a sequence cut short gives
// kNotUtf8, and `p` then moves on by one byte.
char32_t nextCodePoint(const char*& p, const char* end);

// True when every byte is below 0x80: such UTF-8 is Latin-1 too, one byte per character, so
// it can become text or be compared without decoding.
inline bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isValidUtf8(QByteArrayView bytes);

// Calls `visit` with each character of `bytes` in turn (kNotUtf8 for each byte that is not
// strict UTF-8) until it returns false; returns whether it went through to the end.
template <typename Visit> bool forEachCodePoint(QByteArrayView bytes, Visit visit)
{
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        if (!visit(nextCodePoint(p, end)))
            return false;
    }
    return true;
}

// The length in UTF-16 code units of valid UTF-8, without decoding it: every byte that begins
// a character counts one, and a character outside the Basic Multilingual Plane (a four-byte
// sequence) one more, for its surrogate pair.
inline qsizetype utf16Length(QByteArrayView bytes)
{
    qsizetype units = 0;
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        units += static_cast<qsizetype>((b & 0xC0) != 0x80) + static_cast<qsizetype>(b >= 0xF0);
    }
    return units;
}

} // namespace quillfen
