#pragma once

// Layer base: shared by every layer; uses Qt Core only.

#include <QChar>
#include <QString>

namespace quillfen {

// The platform's path separator. The helpers below take the separator as a parameter so
// that they work, and are tested, with "\" as well.
#ifdef Q_OS_WIN
inline constexpr QChar kSeparator = u'\\';
#else
inline constexpr QChar kSeparator = u'/';
#endif

// Cleans a path joined from a folder and a name: every doubled separator becomes one, in one
// left-to-right pass over non-overlapping pairs (so three in a row become two). A leading run
// of separators becomes the platform's root prefix: two for "\" (a network path keeps its
// "\\server"), one for "/" (POSIX has no such prefix).
QString removeDoubledSeparators(const QString& path, QChar separator = kSeparator);

// The part of a path after its last separator; the whole path when it has none; "" when it
// ends in one.
QString fileNameOfPath(const QString& path, QChar separator = kSeparator);

// folder + separator + name.
QString joinPath(const QString& folder, const QString& name, QChar separator = kSeparator);

} // namespace quillfen
