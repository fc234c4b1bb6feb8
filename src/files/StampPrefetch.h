#pragma once

// Layer files: files and folders on disk; uses base and Qt Core.

#include "files/FileTimes.h"
#include "files/PathBlock.h"
#include "files/ReadAhead.h"

#include <QByteArray>
#include <QByteArrayView>

#include <functional>
#include <optional>
#include <vector>

namespace quillfen {

// Reads the time stamps of the next rows of a list on worker threads, so the kernel's lookups
// run beside the caller's own work per row instead of after it, and on a cold cache on every
// core. (The texts are made by the caller: handing them over between cores cost more.)
//
// Rows are read in blocks. A read counts only for the path it was made for and only while the
// generation has not moved since it was asked for (see ReadAhead); otherwise the row is read
// again, on the spot. Owned by one run over the list.
class StampPrefetch {
public:
    // Appends the path of a row to `path`; false when there is no such row (any more).
    using PathAt = std::function<bool(int row, QByteArray& path)>;

    explicit StampPrefetch(PathAt pathAt);

    // The lookup made ahead for `row` (readFileTimes' answer), if it was made for `path` and
    // under `generation`; no value when it must be made again. Rethrows what the worker
    // failed with.
    std::optional<std::optional<FileTimes>> find(int row, QByteArrayView path, quint64 generation);
    // The row's lookup: the one made ahead when it counts, else one made now.
    std::optional<FileTimes> read(int row, QByteArrayView path, quint64 generation);

private:
    // The paths of consecutive rows, from `first` on.
    struct Rows {
        int first = 0;
        PathBlock paths;

        int count() const { return static_cast<int>(paths.count()); }
        QByteArrayView path(int i) const { return paths.path(static_cast<std::size_t>(i)); }
    };
    using Stamps = std::vector<std::optional<FileTimes>>;

    Rows rowsFrom(int first) const;

    PathAt m_pathAt;
    int m_blockSize; // grows while blocks are used whole, back to the least after a stale one
    // The block `find` answers from, and the generation it was asked under.
    std::optional<Rows> m_rows;
    Stamps m_stamps;
    quint64 m_generation = 0;
    FileTimesReader m_readerNow; // for rows read on the spot
    ReadAhead<Rows, Stamps> m_ahead;
};

} // namespace quillfen
