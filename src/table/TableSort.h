#pragma once

// Layer table: the text table, its order and the writers that turn it into bytes; uses base,
// Qt Core, libxlsxwriter and ICU.

#include "table/TextTable.h"

#include <Qt>

#include <atomic>
#include <optional>
#include <vector>

namespace quillfen {

class NaturalOrder;

// Orders for the rows of a table, for TextTable::reorderRows(): entry i is the row that goes
// to place i. Each is stable: rows that compare equal keep their order, ascending or not.
// They read a copy of the column (TextTable::copyColumn), never the table, so they may run on
// another thread while the table changes. When `stop` is given and becomes true they give up
// soon and return nothing.

// By the row texts as paths, folder by folder as a file manager shows a tree: the entries of
// each folder (its files and its sub-folders) in natural order, a sub-folder's files where
// the sub-folder comes.
std::optional<std::vector<int>> orderByPath(const TextTable::ColumnCopy& paths, Qt::SortOrder order,
                                            const NaturalOrder& natural,
                                            const std::atomic<bool>* stop = nullptr);

// By a sub-item: by its keys where the column has them (rows without one last, in either
// order), else by its texts in natural order (empty texts last).
std::optional<std::vector<int>> orderBySubItem(const TextTable::ColumnCopy& cells,
                                               Qt::SortOrder order, const NaturalOrder& natural,
                                               const std::atomic<bool>* stop = nullptr);

} // namespace quillfen
