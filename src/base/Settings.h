#pragma once

// Layer base: shared by every layer; uses Qt Core only.

#include <QString>

// Where the program's settings live and how their texts convert.
namespace quillfen::settings {

inline const QString kApplication = QStringLiteral("Orvane");
inline const QString kSection = QStringLiteral("Quillfen");
// What the window remembers of itself (its size, the split, column widths), apart from the
// program's settings.
inline const QString kWindowSection = QStringLiteral("QuillfenWindow");

inline const QString kModifiedKey = QStringLiteral("Check1");
inline const QString kCreatedKey = QStringLiteral("Check2");
inline const QString kAccessedKey = QStringLiteral("Check3");
inline const QString kExtensionKey = QStringLiteral("Extension");
inline const QString kLastFolderKey = QStringLiteral("LastFolder");
inline const QString kSampleListKey = QStringLiteral("Snapshot");

// A stored text as a whole number: blanks around it allowed, a fraction rounded to the
// nearest whole number and a half to the even one. Throws a Failure for a text that is not
// a number or lies outside -32768..32767.
int toWholeNumber(const QString& text);

} // namespace quillfen::settings
