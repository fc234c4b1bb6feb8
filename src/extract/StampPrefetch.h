#pragma once

#include "extract/LastMod.h"

#include <QByteArray>
#include <QByteArrayView>

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace quillfen {

// Reads the time stamps of the next rows of an extraction run on a worker thread, so the
// kernel's lookups run beside the window's own work per row instead of after it. (The texts
// are rendered by the caller: handing them over between cores cost more than rendering.)
//
// A read counts only for the path it was made for and only while no events have been
// processed since it was asked for: events may have changed the files or the list, and a row
// shows its file as it is when the run reaches it. Anything else is read again, on the spot,
// by the caller. Owned by one run, used from the thread that owns the lists.
class StampPrefetch {
public:
    // Appends the path of a row to `path`; false when there is no such row (any more).
    using PathAt = std::function<bool(int row, QByteArray& path)>;

    explicit StampPrefetch(PathAt pathAt);
    ~StampPrefetch(); // stops the worker, which ends after the path it is reading
    StampPrefetch(const StampPrefetch&) = delete;
    StampPrefetch& operator=(const StampPrefetch&) = delete;

    // The lookup made ahead for `row` (readFileTimes' answer), if it was made for `path` and
    // `rounds` (the window's event rounds now) is the count it was asked for under; no value
    // when it must be made again. Rethrows what the worker failed with.
    std::optional<std::optional<FileTimes>> find(int row, QByteArrayView path, quint64 rounds);

private:
    struct Block;
    void work();
    std::unique_ptr<Block> makeBlock(int first, quint64 rounds, int size);
    void submit(std::unique_ptr<Block> block);
    std::unique_ptr<Block> waitForOldest();
    void cancelAll();

    PathAt m_pathAt;
    int m_blockSize; // grows while blocks are used whole, back to the least after a stale one
    std::unique_ptr<Block> m_current; // the block `find` answers from

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::unique_ptr<Block>> m_queued; // in row order, oldest first
    bool m_stop = false;
    std::thread m_worker; // last: starts once everything above is ready
};

} // namespace quillfen
