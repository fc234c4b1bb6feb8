#pragma once

#include <QString>

// Where the program's settings live and how their texts convert.
namespace quillfen::settings {

inline const QString kApplication = QStringLiteral("Orvane");
inline const QString kSection = QStringLiteral("Quillfen");

inline const QString kCheck1 = QStringLiteral("Check1");
inline const QString kCheck2 = QStringLiteral("Check2");
inline const QString kCheck3 = QStringLiteral("Check3");
inline const QString kExtension = QStringLiteral("Extension");
inline const QString kLastFolder = QStringLiteral("LastFolder");
inline const QString kSnapshot = QStringLiteral("Snapshot");

// A stored text as a whole number: blanks around it allowed, a fraction rounded to the
// nearest whole number and a half to the even one. Throws a Failure for a text that is not
// a number or lies outside -32768..32767.
int toWholeNumber(const QString& text);

} // namespace quillfen::settings
