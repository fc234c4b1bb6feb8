#include "commands/ResultsTimeline.h"

namespace quillfen {

TimeBins countTimeline(const TextTable& table, int columnId, const RowModel::RowTest& test,
                       const TimeBinOptions& options)
{
    const int column = table.columnWithId(columnId);
    if (column <= 0)
        return {};
    return binEachKey(
        [&](const auto& visit) {
            for (int row = 0; row < table.rows(); ++row) {
                if (!test || test(table, row))
                    visit(table.subItemKey(row, column));
            }
        },
        options);
}

} // namespace quillfen
