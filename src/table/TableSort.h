#pragma once

// Layer table: the text table, its order and the writers that turn it into bytes; uses base,
// Qt Core, libxlsxwriter and ICU.

#include <Qt>

#include <vector>

namespace quillfen {

class NaturalOrder;
class TextTable;

// Orders for the rows of a table, for TextTable::reorderRows(): entry i is the row that goes
// to place i. Each is stable: rows that compare equal keep their order, ascending or not.

// By the row texts as paths, folder by folder as a file manager shows a tree: the entries of
// each folder (its files and its sub-folders) in natural order, a sub-folder's files where
// the sub-folder comes.
std::vector<int> orderByPath(const TextTable& table, Qt::SortOrder order,
                             const NaturalOrder& natural);

// By sub-item k: by its keys where the column has them (rows without one last, in either
// order), else by its texts in natural order (empty texts last).
std::vector<int> orderBySubItem(const TextTable& table, int k, Qt::SortOrder order,
                                const NaturalOrder& natural);

} // namespace quillfen
