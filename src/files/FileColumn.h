#pragma once

// Layer files: files and folders on disk; uses base and Qt Core.

#include "base/Texts.h"
#include "files/FileTimes.h"

#include <optional>

namespace quillfen {

// What a row about a file can show, each read from the one statx of FileTimes. Named here
// once, for the window's results and the command line's formats alike.
enum class FileColumn { Path, Size, Modified, Created, Accessed, Changed };

inline constexpr FileColumn kFileColumns[] = {FileColumn::Path,     FileColumn::Size,
                                              FileColumn::Modified, FileColumn::Created,
                                              FileColumn::Accessed, FileColumn::Changed};

// Its header ("Filename", "Size", "Date Modified"...) and its lower-case word for other
// programs ("path", "size", "modified"...).
struct FileColumnName {
    const UiText* header;
    const char* word;
};

inline constexpr FileColumnName kFileColumnNames[] = {
    {&texts::kFilenameColumn, "path"},         {&texts::kSizeColumn, "size"},
    {&texts::kDateModifiedColumn, "modified"}, {&texts::kDateCreatedColumn, "created"},
    {&texts::kDateAccessedColumn, "accessed"}, {&texts::kDateChangedColumn, "changed"},
};

inline const UiText& columnHeader(FileColumn column)
{
    return *kFileColumnNames[static_cast<std::size_t>(column)].header;
}

inline const char* columnWord(FileColumn column)
{
    return kFileColumnNames[static_cast<std::size_t>(column)].word;
}

inline FileColumn columnOf(StampKind kind)
{
    switch (kind) {
    case StampKind::Modified:
        return FileColumn::Modified;
    case StampKind::Created:
        return FileColumn::Created;
    case StampKind::Accessed:
        return FileColumn::Accessed;
    case StampKind::Changed:
        return FileColumn::Changed;
    }
    return FileColumn::Modified;
}

// The date a column shows; none for the path and the size.
inline std::optional<StampKind> stampKindOf(FileColumn column)
{
    for (const StampKind kind : kAllStampKinds) {
        if (columnOf(kind) == column)
            return kind;
    }
    return std::nullopt;
}

} // namespace quillfen
