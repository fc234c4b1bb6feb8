#include "support/Stamps.h"

#include "dates/DateTextFormat.h"

namespace quillfen {

void PrintTo(const LocalDateTime& local, std::ostream* out)
{
    *out << local.year << '-' << local.month << '-' << local.day << ' ' << local.hour << ':'
         << local.minute << ':' << local.second;
}

} // namespace quillfen

namespace quillfen::test {

std::optional<QString> fileDateText(const QString& path, StampKind kind,
                                    const DateTextFormat& format)
{
    const auto times = readFileTimes(path);
    if (!times)
        return std::nullopt;
    const std::optional<timespec> stamp = stampOf(*times, kind);
    if (!stamp)
        return std::nullopt;
    return format.text(*stamp);
}

std::optional<QString> fileDateText(const QString& path, StampKind kind)
{
    return fileDateText(path, kind, DateTextFormat());
}

} // namespace quillfen::test
