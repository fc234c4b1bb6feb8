// The bad-name test (hasBadNameChars) on raw file-name bytes. A name is bad exactly when it is
// not valid UTF-8 or holds a control character (below 32, or 127 to 159); a name that is not
// bad must come back byte for byte from its text, or the file could not be found again.

#include "FuzzSupport.h"

#include "files/FolderWalk.h"

#include <QFile>

using namespace quillfen;
using namespace quillfen::fuzz;

namespace {

bool isControl(char32_t c)
{
    return c < 32 || (c >= 127 && c <= 159);
}

// UTF-8 as RFC 3629 has it: shortest forms only, no surrogates, nothing past U+10FFFF.
bool isValidUtf8(const QByteArray& bytes, bool& hasControl)
{
    hasControl = false;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* end = p + bytes.size();
    while (p < end) {
        char32_t c = *p;
        int more = 0;
        char32_t least = 0;
        if (c < 0x80) {
            more = 0;
        } else if ((c & 0xE0) == 0xC0) {
            c &= 0x1F;
            more = 1;
            least = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            c &= 0x0F;
            more = 2;
            least = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            c &= 0x07;
            more = 3;
            least = 0x10000;
        } else {
            return false;
        }
        ++p;
        for (; more > 0; --more, ++p) {
            if (p == end || (*p & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (*p & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        hasControl = hasControl || isControl(c);
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray name(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const bool bad = hasBadNameChars(name);
    bool hasControl = false;
    const bool valid = isValidUtf8(name, hasControl);
    check(bad == (!valid || hasControl), "a name is bad exactly when invalid or with a control",
          QString::fromLatin1(name.toHex(' ')));
    // A kept name becomes text as part of its path, and the path must come back byte for byte
    // when it is looked up.
    if (!bad) {
        const QByteArray path = "/folder/" + name;
        check(QFile::encodeName(QString::fromUtf8(path)) == path,
              "a name that is kept comes back from its path's text",
              QString::fromLatin1(name.toHex(' ')));
    }
    return 0;
}
