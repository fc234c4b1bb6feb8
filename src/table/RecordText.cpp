#include "table/RecordText.h"

#include "base/Utf8.h"

namespace quillfen {

namespace {

void appendHex4(unsigned value, QByteArray& out)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    for (int shift = 12; shift >= 0; shift -= 4)
        out.append(kDigits[(value >> shift) & 0xF]);
}

} // namespace

void appendCsvField(QByteArrayView field, QByteArray& out)
{
    const bool quoted =
        field.contains(',') || field.contains('"') || field.contains('\r') || field.contains('\n');
    if (!quoted) {
        out.append(field);
        return;
    }
    out.append('"');
    for (const char c : field) {
        if (c == '"')
            out.append('"');
        out.append(c);
    }
    out.append('"');
}

void appendJsonString(QByteArrayView bytes, QByteArray& out)
{
    out.append('"');
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        const char* const start = p;
        const char32_t c = nextCodePoint(p, end);
        if (c == kNotUtf8) {
            out.append("\\u");
            appendHex4(0xDC00 | static_cast<unsigned char>(*start), out);
        } else if (c == u'"' || c == u'\\') {
            out.append('\\');
            out.append(static_cast<char>(c));
        } else if (c < 0x20) {
            switch (c) {
            case u'\n':
                out.append("\\n");
                break;
            case u'\r':
                out.append("\\r");
                break;
            case u'\t':
                out.append("\\t");
                break;
            default:
                out.append("\\u");
                appendHex4(c, out);
                break;
            }
        } else {
            out.append(start, p - start);
        }
    }
    out.append('"');
}

} // namespace quillfen
