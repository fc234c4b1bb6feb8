#pragma once

// Shared by the fuzz targets: turning the fuzzer's bytes into texts, and failing loudly when a
// property does not hold (libFuzzer keeps the input that aborted; the replay test fails).

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace quillfen::fuzz {

[[noreturn]] inline void fail(const char* what, const QString& detail = {})
{
    std::fprintf(stderr, "fuzz property failed: %s\n%s\n", what, qPrintable(detail));
    std::fflush(stderr);
    std::abort();
}

inline void check(bool holds, const char* what, const QString& detail = {})
{
    if (!holds)
        fail(what, detail);
}

// Bytes as UTF-16 code units, little-endian, so any text (lone surrogates too) can arise.
inline QString utf16Text(const char* data, qsizetype size)
{
    std::u16string units(static_cast<size_t>(size / 2), u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(data[2 * i])
                                         | static_cast<unsigned char>(data[2 * i + 1]) << 8);
    }
    return QString::fromStdU16String(units);
}

// Bytes as UTF-8, the way names reach the program from the file system (always valid UTF-16).
inline QString utf8Text(const char* data, qsizetype size)
{
    return QString::fromUtf8(data, size);
}

// The input split at NUL bytes.
inline QList<QByteArray> fields(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
        .split('\0');
}

// A text shown in a failure message with its code units, so invisible ones can be told apart.
inline QString shown(const QString& text)
{
    QString out = QLatin1Char('"') + text + QStringLiteral("\" [");
    for (const QChar c : text)
        out += QString::number(c.unicode(), 16) + QLatin1Char(' ');
    return out + QLatin1Char(']');
}

} // namespace quillfen::fuzz
