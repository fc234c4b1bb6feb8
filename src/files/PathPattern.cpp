#include "files/PathPattern.h"

#include <algorithm>

namespace quillfen {

namespace {

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Whether `needle` (ASCII, lower case) occurs in `haystack` (ASCII code units, any case).
template <typename Unit>
bool containsAscii(const Unit* haystack, qsizetype size, const QByteArray& needle)
{
    const qsizetype n = needle.size();
    const char first = needle[0];
    for (qsizetype i = 0; i + n <= size; ++i) {
        if (asciiLower(static_cast<char>(haystack[i])) != first)
            continue;
        qsizetype k = 1;
        while (k < n && asciiLower(static_cast<char>(haystack[i + k])) == needle[k])
            ++k;
        if (k == n)
            return true;
    }
    return false;
}

// Whether the bytes hold a character outside ASCII that case-folds into it: LATIN SMALL
// LETTER LONG S, KELVIN SIGN, or LATIN CAPITAL LETTER I WITH DOT ABOVE.
bool mayFoldToAscii(QByteArrayView utf8)
{
    for (const char* character : {"\xC5\xBF", "\xE2\x84\xAA", "\xC4\xB0"}) {
        if (utf8.contains(QByteArrayView(character)))
            return true;
    }
    return false;
}

bool isAsciiText(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

PathPattern::PathPattern(const QString& text)
{
    if (text.isEmpty())
        return;
    if (!text.contains(u'*') && !text.contains(u'?')) {
        m_kind = Kind::Text;
        m_folded = text.toCaseFolded();
        // A letter outside ASCII may fold into it (KELVIN SIGN to "k"): the folded text decides.
        if (isAsciiText(m_folded)) {
            m_asciiFolded = m_folded.toLatin1();
            return;
        }
        for (qsizetype begin = 0; begin < m_folded.size();) {
            qsizetype end = begin;
            while (end < m_folded.size() && m_folded.at(end).unicode() < 0x80)
                ++end;
            if (end - begin > m_asciiPiece.size())
                m_asciiPiece = m_folded.sliced(begin, end - begin).toLatin1();
            begin = end + 1;
        }
        return;
    }
    m_kind = text.contains(u'/') ? Kind::Path : Kind::Name;
    m_wildcard.emplace(text);
}

bool PathPattern::containsFolded(QStringView path) const
{
    // ASCII folds only to ASCII, so an ASCII path is searched as it is.
    if (!m_asciiFolded.isEmpty() && isAsciiText(path))
        return containsAscii(path.utf16(), path.size(), m_asciiFolded);
    if (m_asciiFolded.isEmpty() && isAsciiText(path))
        return false; // the folded text has a letter no ASCII path folds to
    return path.toString().toCaseFolded().contains(m_folded);
}

bool PathPattern::matches(QStringView path) const
{
    switch (m_kind) {
    case Kind::Everything:
        return true;
    case Kind::Text:
        return containsFolded(path);
    case Kind::Name:
        return m_wildcard->matches(path.sliced(path.lastIndexOf(u'/') + 1));
    case Kind::Path:
        return m_wildcard->matches(path);
    }
    return false;
}

bool PathPattern::matchesUtf8(QByteArrayView path) const
{
    switch (m_kind) {
    case Kind::Everything:
        return true;
    case Kind::Text:
        if (!m_asciiFolded.isEmpty()) {
            // A byte of a multi-byte character is never ASCII, so the text is found in the
            // bytes as they are; only a character that folds into ASCII needs decoding.
            if (containsAscii(path.data(), path.size(), m_asciiFolded))
                return true;
            if (!mayFoldToAscii(path))
                return false;
        } else if (!m_asciiPiece.isEmpty() && !containsAscii(path.data(), path.size(), m_asciiPiece)
                   && !mayFoldToAscii(path)) {
            // Decoding and folding every path is what makes a search for "résumé" slow; a
            // path without "sum" cannot hold it.
            return false;
        }
        return containsFolded(QString::fromUtf8(path));
    case Kind::Name:
        return m_wildcard->matchesUtf8(path.sliced(path.lastIndexOf('/') + 1));
    case Kind::Path:
        return m_wildcard->matchesUtf8(path);
    }
    return false;
}

} // namespace quillfen
