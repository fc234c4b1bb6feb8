#include "files/Wildcard.h"

#include "base/Utf8.h"

#include <QRegularExpression>

#include <algorithm>

namespace quillfen {

namespace {

QString caseFolded(QStringView text)
{
    return text.toString().toCaseFolded();
}

// Iterative glob with backtracking to the last "*": linear in practice, never exponential.
// `fold` maps a name's unit to the pattern's case (the identity for a folded name).
template <typename Fold = char16_t (*)(char16_t)>
bool globMatch(
    QStringView pattern, QStringView name, Fold fold = [](char16_t c) { return c; })
{
    qsizetype p = 0;
    qsizetype n = 0;
    qsizetype starP = -1;
    qsizetype starN = 0;
    while (n < name.size()) {
        // A "*" is always the wildcard, also where the name itself holds a "*" (legal here).
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size()
                   && (pattern[p] == u'?' || pattern[p].unicode() == fold(name[n].unicode()))) {
            ++p;
            ++n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

bool hasWildcard(QStringView text)
{
    return text.contains(u'*') || text.contains(u'?');
}

bool isAsciiText(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

WildcardPattern::WildcardPattern(const QString& pattern)
    : m_pattern(pattern)
    , m_folded(caseFolded(pattern))
    , m_asciiFolded(isAsciiText(m_folded))
{
    if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*"))
        m_kind = Kind::Everything;
    else if (pattern.startsWith(QLatin1String("*.")) && !hasWildcard(QStringView(pattern).mid(1)))
        m_kind = Kind::Suffix;
    if (m_kind == Kind::Suffix) {
        const QStringView suffix = QStringView(pattern).mid(1);
        if (isAsciiText(suffix))
            m_asciiSuffix = suffix.toLatin1();
    }
}

NamePatterns::NamePatterns(WildcardPattern pattern)
    : m_patterns{std::move(pattern)}
{
}

NamePatterns NamePatterns::forExtensions(const QString& answer)
{
    static const QRegularExpression kSeparators(QStringLiteral("[;,\\s]+"));
    NamePatterns patterns;
    for (QString extension : answer.split(kSeparators, Qt::SkipEmptyParts)) {
        if (extension.startsWith(QLatin1String("*.")))
            extension.remove(0, 2);
        else if (extension.startsWith(u'.'))
            extension.remove(0, 1);
        if (!extension.isEmpty())
            patterns.m_patterns.emplace_back(QStringLiteral("*.") + extension);
    }
    return patterns;
}

bool NamePatterns::matches(QStringView name) const
{
    return std::any_of(m_patterns.begin(), m_patterns.end(),
                       [&](const WildcardPattern& pattern) { return pattern.matches(name); });
}

bool NamePatterns::matchesUtf8(QByteArrayView name) const
{
    return std::any_of(m_patterns.begin(), m_patterns.end(),
                       [&](const WildcardPattern& pattern) { return pattern.matchesUtf8(name); });
}

bool WildcardPattern::matchesUtf8(QByteArrayView name) const
{
    if (m_kind == Kind::Everything)
        return true;
    const bool asciiName = isAscii(name);
    if (!m_asciiSuffix.isEmpty() && asciiName) {
        // Both plain ASCII: bytes compare as characters do. (A name with other letters is
        // compared as text, where a sign like KELVIN SIGN folds to an ASCII letter.)
        const qsizetype n = m_asciiSuffix.size();
        return name.size() >= n
            && qstrnicmp(name.data() + name.size() - n, n, m_asciiSuffix.constData(), n) == 0;
    }
    return matches(QString::fromUtf8(name));
}

bool WildcardPattern::matches(QStringView name) const
{
    switch (m_kind) {
    case Kind::Everything:
        return true;
    case Kind::Suffix:
        // "*.txt": the name ends in ".txt", in any case (the "*" may match nothing).
        return name.endsWith(QStringView(m_pattern).mid(1), Qt::CaseInsensitive);
    case Kind::General:
        break;
    }
    // An ASCII name against an ASCII pattern folds unit by unit, without a copy: matching
    // whole paths row by row stays quick.
    if (m_asciiFolded && isAsciiText(name)) {
        return globMatch(m_folded, name, [](char16_t c) {
            return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
        });
    }
    return globMatch(m_folded, caseFolded(name));
}

} // namespace quillfen
