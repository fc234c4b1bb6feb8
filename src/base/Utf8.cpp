#include "base/Utf8.h"

namespace quillfen {

char32_t nextCodePoint(const char*& p, const char* end)
{
    const auto lead = static_cast<unsigned char>(*p++);
    if (lead < 0x80)
        return lead;
    int more = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1;
        value = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2;
        value = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3;
        value = lead & 0x07;
        least = 0x10000;
    } else {
        return kNotUtf8;
    }
    if (end - p < more)
        return kNotUtf8;
    for (int i = 0; i < more; ++i) {
        const auto next = static_cast<unsigned char>(p[i]);
        if ((next & 0xC0) != 0x80)
            return kNotUtf8;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return kNotUtf8;
    p += more;
    return value;
}

bool isValidUtf8(QByteArrayView bytes)
{
    return isAscii(bytes) || forEachCodePoint(bytes, [](char32_t c) { return c != kNotUtf8; });
}

} // namespace quillfen
