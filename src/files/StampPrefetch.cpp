#include "files/StampPrefetch.h"

#include <algorithm>

namespace quillfen {

namespace {

// Blocks start small after the generation moved, so reads that went stale cost little, and
// grow while they are used whole, so the hand-over costs little per row.
constexpr int kSmallestBlock = 16;
constexpr int kLargestBlock = 256;
// Two readers: a lookup that misses the cache is mostly the kernel's work on the processor
// (reading the entry in, filling the caches), so on a cold cache two cores share it; more
// readers than cores only contend. With the cache warm, the second reader takes the lookups
// the caller would otherwise wait for.
constexpr int kReaders = 2;
// One block more than there are readers keeps both busy while one is used. Blocks stay
// small: a block a reader has started is read again whenever the window processes events.
constexpr std::size_t kBlocksAhead = kReaders + 1;

} // namespace

StampPrefetch::StampPrefetch(PathAt pathAt)
    : m_pathAt(std::move(pathAt))
    , m_blockSize(kSmallestBlock)
    , m_ahead(
          [](const Rows& rows, const std::atomic<bool>& cancelled) {
              // Each reader keeps the folder of its last path open for the next.
              thread_local FileTimesReader reader;
              Stamps stamps;
              stamps.reserve(static_cast<size_t>(rows.count()));
              for (int i = 0; i < rows.count() && !cancelled; ++i)
                  stamps.push_back(reader.readUtf8(rows.path(i)));
              return stamps;
          },
          kReaders)
{
}

StampPrefetch::Rows StampPrefetch::rowsFrom(int first) const
{
    Rows rows;
    rows.first = first;
    for (int row = first; row < first + m_blockSize; ++row) {
        if (!m_pathAt(row, rows.paths.utf8))
            break;
        rows.paths.ends.push_back(static_cast<quint32>(rows.paths.utf8.size()));
    }
    return rows;
}

std::optional<std::optional<FileTimes>> StampPrefetch::find(int row, QByteArrayView path,
                                                            quint64 generation)
{
    const auto holds = [&] {
        return m_rows && m_generation == generation && row >= m_rows->first
            && row < m_rows->first + m_rows->count();
    };
    if (!holds()) {
        const bool stale = m_rows && m_generation != generation;
        m_blockSize = stale ? kSmallestBlock : std::min(m_blockSize * 2, kLargestBlock);
        const auto startsHere = [&](const Rows& rows) { return rows.first == row; };
        m_ahead.renew(generation);
        auto taken = m_ahead.take(generation, startsHere);
        if (!taken) {
            m_ahead.ask(rowsFrom(row), generation);
            taken = m_ahead.take(generation, startsHere);
        }
        m_rows = std::move(taken->first);
        m_stamps = std::move(taken->second);
        m_generation = generation;
        int next = m_ahead.asked() > 0 ? m_ahead.newest().first + m_ahead.newest().count()
                                       : row + m_rows->count();
        while (m_rows->count() > 0 && m_ahead.asked() < kBlocksAhead) {
            Rows rows = rowsFrom(next);
            if (rows.count() == 0)
                break;
            next += rows.count();
            m_ahead.ask(std::move(rows), generation);
        }
    }
    if (!holds())
        return std::nullopt; // no such row (any more)
    const int i = row - m_rows->first;
    if (m_rows->path(i) != path)
        return std::nullopt; // the list changed under the run
    return m_stamps.at(static_cast<size_t>(i));
}

std::optional<FileTimes> StampPrefetch::read(int row, QByteArrayView path, quint64 generation)
{
    if (std::optional<std::optional<FileTimes>> ahead = find(row, path, generation))
        return *ahead;
    return m_readerNow.readUtf8(path);
}

} // namespace quillfen
