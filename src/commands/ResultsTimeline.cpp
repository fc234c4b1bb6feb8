#include "commands/ResultsTimeline.h"

#include <algorithm>
#include <limits>

namespace quillfen {

TimeBins countTimeline(const TextTable& table, int columnId, const RowModel::RowTest& test,
                       const TimeBinOptions& options)
{
    const int column = table.columnWithId(columnId);
    if (column <= 0)
        return {};
    const auto passes = [&](int row) { return !test || test(table, row); };
    // The range first, so the binner knows its periods before it counts.
    qint64 first = std::numeric_limits<qint64>::max();
    qint64 last = kNoInstant;
    qint64 undated = 0;
    for (int row = 0; row < table.rows(); ++row) {
        if (!passes(row))
            continue;
        const qint64 key = table.subItemKey(row, column);
        if (key == kNoInstant) {
            ++undated;
            continue;
        }
        first = std::min(first, key);
        last = std::max(last, key);
    }
    if (last == kNoInstant) {
        TimeBins none;
        none.undated = undated;
        none.total = undated;
        return none;
    }
    TimeBinner binner(first, last, options);
    for (int row = 0; row < table.rows(); ++row) {
        if (passes(row))
            binner.add(table.subItemKey(row, column));
    }
    return binner.take();
}

} // namespace quillfen
