#pragma once

// Layer files: files and folders on disk; uses base and Qt Core.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <vector>

namespace quillfen {

// A file name pattern with the Windows rules, matched without regard to case: "*" matches
// any run of characters, "?" exactly one, and "*.*" (or "*") every name, with or without a
// dot. Compiled once, matched per directory entry.
// The pattern that matches every name.
inline const QString kEveryFile = QStringLiteral("*.*");

class WildcardPattern {
public:
    explicit WildcardPattern(const QString& pattern);

    bool matches(QStringView name) const;
    // The same for a name given as valid UTF-8; decodes it only when the pattern needs that.
    bool matchesUtf8(QByteArrayView name) const;

private:
    enum class Kind { Everything, Suffix, General };

    QString m_pattern;
    QString m_folded;         // the pattern case-folded, for the general matcher
    bool m_asciiFolded;       // whether that is all ASCII
    QByteArray m_asciiSuffix; // "*.txt" as ".txt" when it is plain ASCII
    Kind m_kind = Kind::General;
};

// The names a folder scan keeps: those that match any of its patterns.
class NamePatterns {
public:
    NamePatterns(WildcardPattern pattern); // NOLINT: one pattern is a set of one
    // What an answer to the extension prompt asks for: "txt" keeps the names ending in ".txt"
    // (any wildcards in it as typed); a leading "*." or "." is dropped, so "*.txt" and ".txt"
    // mean the same; several extensions, separated by ";", "," or blanks, are each kept.
    static NamePatterns forExtensions(const QString& answer);

    bool matches(QStringView name) const;
    bool matchesUtf8(QByteArrayView name) const;

private:
    NamePatterns() = default;
    std::vector<WildcardPattern> m_patterns;
};

} // namespace quillfen
