// The listing filter's path pattern (PathPattern): the pattern and the path are the input's
// first two NUL-separated fields, the pattern as UTF-8, the path as bytes. The answer must be
// the rules written out the plain way: empty keeps all, a text without wildcards is found in
// the case-folded path, a pattern with them matches the name, or with a "/" the whole path,
// as the extension prompt's wildcards match (fuzzed on their own); and the path as bytes must
// answer as the path as text.

#include "FuzzSupport.h"

#include "files/PathPattern.h"
#include "files/Wildcard.h"

using namespace quillfen;
using namespace quillfen::fuzz;

namespace {

bool reference(const QString& pattern, const QString& path)
{
    if (pattern.isEmpty())
        return true;
    if (!pattern.contains(u'*') && !pattern.contains(u'?'))
        return path.toCaseFolded().contains(pattern.toCaseFolded());
    if (pattern.contains(u'/'))
        return WildcardPattern(pattern).matches(path);
    return WildcardPattern(pattern).matches(path.mid(path.lastIndexOf(u'/') + 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> parts = fields(data, size);
    if (parts.size() < 2 || parts[0].size() > 256 || parts[1].size() > 1024)
        return 0;
    const QString pattern = QString::fromUtf8(parts[0]);
    const QString path = QString::fromUtf8(parts[1]);

    const PathPattern compiled(pattern);
    const bool got = compiled.matches(path);
    check(got == reference(pattern, path), "the path pattern keeps by its rules",
          shown(pattern) + QStringLiteral(" on ") + shown(path) + QStringLiteral(" gave ")
              + QString::number(got));
    check(compiled.matchesUtf8(parts[1]) == got, "a path as bytes matches as its text does",
          shown(pattern) + QStringLiteral(" on ") + shown(path));
    check(compiled.matchesEverything() == pattern.isEmpty(), "only the empty pattern keeps all",
          shown(pattern));
    return 0;
}
