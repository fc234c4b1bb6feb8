#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include "dates/TimeBins.h"
#include "desktop/RowModel.h"

namespace quillfen {

// The timeline's counts: the instants of the date column `columnId` of the rows that pass
// `test` (every row when it is null), binned into local periods. Two passes over the rows.
TimeBins countTimeline(const TextTable& table, int columnId, const RowModel::RowTest& test,
                       const TimeBinOptions& options);

} // namespace quillfen
