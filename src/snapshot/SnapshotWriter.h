#pragma once

// Layer snapshot: listings kept to compare with later; uses files, dates, table, base and Qt
// Core.

#include "dates/IsoDateText.h"
#include "snapshot/Snapshot.h"

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace quillfen {

// Writes snapshot records for the window, as `quillfen-cli --format jsonl --ns` writes them:
// one JSON object per line, "path" first, then each of `columns` in the order given, dates in
// local time with their offset and nanoseconds, null where a file has no value.
class SnapshotWriter {
public:
    explicit SnapshotWriter(std::vector<SnapshotColumn> columns);

    // Appends the line of one file, its line end included.
    void appendRecord(QByteArrayView path, const FileValues& values, QByteArray& out);

private:
    std::vector<SnapshotColumn> m_columns;
    std::vector<QByteArray> m_keys; // ,"modified": and so on
    // One per column: each keeps the last local day it saw, and the columns' days differ.
    std::vector<IsoDateText> m_dates;
};

} // namespace quillfen
