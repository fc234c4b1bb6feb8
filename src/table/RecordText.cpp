#include "table/RecordText.h"

#include "base/Utf8.h"

#include <algorithm>

namespace quillfen {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void appendHex4(unsigned value, QByteArray& out)
{
    for (int shift = 12; shift >= 0; shift -= 4)
        out.append(kHexDigits[(value >> shift) & 0xF]);
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

void appendTsvField(QByteArrayView field, QByteArray& out)
{
    const bool plain = std::none_of(field.begin(), field.end(), [](char c) {
        return c == '\t' || c == '\n' || c == '\r' || c == '\\'
            || static_cast<unsigned char>(c) >= 0x80;
    });
    if (plain) {
        out.append(field);
        return;
    }
    const char* p = field.data();
    const char* const end = p + field.size();
    while (p < end) {
        const char* const start = p;
        const char32_t c = nextCodePoint(p, end);
        if (c == kNotUtf8) {
            const auto byte = static_cast<unsigned char>(*start);
            out.append("\\x");
            out.append(kHexDigits[byte >> 4]);
            out.append(kHexDigits[byte & 0xF]);
        } else if (c == u'\t') {
            out.append("\\t");
        } else if (c == u'\n') {
            out.append("\\n");
        } else if (c == u'\r') {
            out.append("\\r");
        } else if (c == u'\\') {
            out.append("\\\\");
        } else {
            out.append(start, p - start);
        }
    }
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
