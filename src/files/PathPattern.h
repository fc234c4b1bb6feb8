#pragma once

// Layer files: files and folders on disk; uses base and Qt Core.

#include "files/Wildcard.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace quillfen {

// Which paths a listing's filter keeps, letters matched in any case as the extension prompt
// matches them (WildcardPattern). A text without "*" or "?" is found anywhere in the path
// ("report" keeps /home/ann/Reports/a.txt). A pattern with them must match the whole file
// name, the path's last part, when it holds no "/" ("*.jp?g"), else the whole path
// ("*/2024/*.txt"); its "*" runs over "/" too. An empty pattern keeps every path.
//
// Compiled once, matched per row: a plain text over an ASCII path is searched in place.
class PathPattern {
public:
    explicit PathPattern(const QString& text);

    bool matchesEverything() const { return m_kind == Kind::Everything; }
    bool matches(QStringView path) const;
    // The same for a path as bytes: UTF-8, a byte that is not part of it taken as U+FFFD.
    bool matchesUtf8(QByteArrayView path) const;

private:
    enum class Kind { Everything, Text, Name, Path };

    bool containsFolded(QStringView path) const;

    Kind m_kind = Kind::Everything;
    QString m_folded;         // Text: the text case-folded
    QByteArray m_asciiFolded; // Text: the same when it is ASCII, else empty
    QByteArray m_asciiPiece;  // Text not ASCII: its longest ASCII run, which a match holds
    std::optional<WildcardPattern> m_wildcard;
};

} // namespace quillfen
