// Wildcard matching (WildcardPattern): the pattern and the name are the input's first two
// NUL-separated fields, as UTF-8. The answer must be that of the Windows rules ("*" any run,
// "?" one character, "*.*" and "*" everything) without regard to case, and matching a name
// given as UTF-8 must answer as matching it as text.

#include "FuzzSupport.h"

#include "files/Wildcard.h"

#include <algorithm>
#include <vector>

using namespace quillfen;
using namespace quillfen::fuzz;

namespace {

// The rules as a table over pattern and name prefixes: slow, but plainly right.
bool reference(const QString& pattern, const QString& name)
{
    if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*"))
        return true;
    const QString p = pattern.toCaseFolded();
    const QString n = name.toCaseFolded();
    // matched[j]: the pattern so far matches the first j characters of the name.
    std::vector<char> matched(static_cast<size_t>(n.size()) + 1, 0);
    matched[0] = 1;
    for (const QChar c : p) {
        std::vector<char> next(matched.size(), 0);
        for (size_t j = 0; j < matched.size(); ++j) {
            if (c == u'*')
                next[j] = matched[j] || (j > 0 && next[j - 1]);
            else if (j > 0 && matched[j - 1]
                     && (c == u'?' || c == n[static_cast<qsizetype>(j - 1)]))
                next[j] = 1;
        }
        matched.swap(next);
    }
    return matched.back() != 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> parts = fields(data, size);
    if (parts.size() < 2 || parts[0].size() > 256 || parts[1].size() > 512)
        return 0; // the table costs pattern x name steps
    const QString pattern = QString::fromUtf8(parts[0]);
    const QString name = QString::fromUtf8(parts[1]);

    const WildcardPattern compiled(pattern);
    const bool got = compiled.matches(name);
    check(got == reference(pattern, name), "the pattern matches by the Windows rules",
          shown(pattern) + QStringLiteral(" on ") + shown(name) + QStringLiteral(" gave ")
              + QString::number(got));
    check(compiled.matchesUtf8(name.toUtf8()) == got, "a UTF-8 name matches as its text does",
          shown(pattern) + QStringLiteral(" on ") + shown(name));
    return 0;
}
