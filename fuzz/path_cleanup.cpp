// Path clean-up (removeDoubledSeparators) and the file name of a path (fileNameOfPath),
// with either separator. First byte: bit 0 picks "\" or "/", bit 1 reads the rest as UTF-16
// (any text) instead of UTF-8.

#include "FuzzSupport.h"

#include "base/Paths.h"

using namespace quillfen;
using namespace quillfen::fuzz;

namespace {

// Every doubled separator becomes one, in one left-to-right pass over non-overlapping pairs.
QString halvePairs(QStringView text, QChar separator)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == separator && i + 1 < text.size() && text[i + 1] == separator)
            ++i;
    }
    return out;
}

// The rule, written out the long way: a leading run of separators becomes the root prefix
// (two for "\", which keeps a network path's "\\server", one for "/").
QString cleaned(const QString& path, QChar separator)
{
    if (path.isEmpty() || path[0] != separator)
        return halvePairs(path, separator);
    qsizetype rest = 1;
    while (rest < path.size() && path[rest] == separator)
        ++rest;
    return QString(separator == u'\\' ? 2 : 1, separator)
        + halvePairs(QStringView(path).mid(rest), separator);
}

QString withoutSeparators(QString text, QChar separator)
{
    return text.remove(separator);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QChar separator = (data[0] & 1) != 0 ? u'\\' : u'/';
    const auto* bytes = reinterpret_cast<const char*>(data + 1);
    const auto length = static_cast<qsizetype>(size - 1);
    const QString path = (data[0] & 2) != 0 ? utf16Text(bytes, length) : utf8Text(bytes, length);

    const QString result = removeDoubledSeparators(path, separator);
    check(result == cleaned(path, separator), "removeDoubledSeparators follows the rule",
          shown(path) + QStringLiteral(" gave ") + shown(result));
    // Only separators go, never anything else.
    check(withoutSeparators(result, separator) == withoutSeparators(path, separator),
          "the clean-up removes separators only", shown(path));
    check(result.startsWith(separator) == path.startsWith(separator), "a rooted path stays rooted",
          shown(path));

    const QString name = fileNameOfPath(path, separator);
    check(!name.contains(separator), "a file name holds no separator", shown(path));
    check(path.endsWith(name), "the file name ends the path", shown(path));
    const qsizetype folderEnd = path.size() - name.size();
    check(folderEnd == 0 || path[folderEnd - 1] == separator,
          "the file name starts after a separator or at the start", shown(path));
    return 0;
}
