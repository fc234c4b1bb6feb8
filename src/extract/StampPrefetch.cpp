#include "extract/StampPrefetch.h"

#include <algorithm>
#include <atomic>

namespace quillfen {

namespace {

// Blocks start small after events were processed, so a read that went stale costs little,
// and grow while they are used whole, so the hand-over costs little per row.
constexpr int kSmallestBlock = 16;
constexpr int kLargestBlock = 1024;
constexpr std::size_t kBlocksAhead = 2;

} // namespace

struct StampPrefetch::Block {
    int first = 0;
    quint64 rounds = 0; // the window's event rounds when the block was asked for
    QByteArray paths;
    std::vector<quint32> pathEnds;

    // Filled by the worker.
    std::vector<std::optional<FileTimes>> times;
    std::exception_ptr failure;
    std::atomic<bool> cancelled{false};
    bool started = false; // guarded by the mutex, like done
    bool done = false;

    int count() const { return static_cast<int>(pathEnds.size()); }
    QByteArrayView path(int i) const
    {
        const quint32 begin = i == 0 ? 0 : pathEnds[static_cast<size_t>(i - 1)];
        return QByteArrayView(paths).sliced(begin, pathEnds[static_cast<size_t>(i)] - begin);
    }
};

StampPrefetch::StampPrefetch(PathAt pathAt)
    : m_pathAt(std::move(pathAt))
    , m_blockSize(kSmallestBlock)
    , m_worker([this] { work(); })
{
}

StampPrefetch::~StampPrefetch()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        for (const auto& block : m_queued)
            block->cancelled = true;
    }
    m_changed.notify_all();
    m_worker.join();
}

std::unique_ptr<StampPrefetch::Block> StampPrefetch::makeBlock(int first, quint64 rounds, int size)
{
    auto block = std::make_unique<Block>();
    block->first = first;
    block->rounds = rounds;
    for (int row = first; row < first + size; ++row) {
        if (!m_pathAt(row, block->paths))
            break;
        block->pathEnds.push_back(static_cast<quint32>(block->paths.size()));
    }
    return block;
}

void StampPrefetch::submit(std::unique_ptr<Block> block)
{
    {
        std::lock_guard lock(m_mutex);
        m_queued.push_back(std::move(block));
    }
    m_changed.notify_all();
}

std::unique_ptr<StampPrefetch::Block> StampPrefetch::waitForOldest()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_queued.front()->done; });
    std::unique_ptr<Block> block = std::move(m_queued.front());
    m_queued.pop_front();
    return block;
}

void StampPrefetch::cancelAll()
{
    // The worker may be reading a cancelled block: it stops at the next path and the block
    // is dropped once it is done.
    std::unique_lock lock(m_mutex);
    for (const auto& block : m_queued)
        block->cancelled = true;
    m_changed.wait(lock, [&] {
        return std::all_of(m_queued.begin(), m_queued.end(),
                           [](const auto& block) { return block->done || !block->started; });
    });
    m_queued.clear();
}

std::optional<std::optional<FileTimes>> StampPrefetch::find(int row, QByteArrayView path,
                                                            quint64 rounds)
{
    const auto holds = [&](const Block* block) {
        return block != nullptr && block->rounds == rounds && row >= block->first
            && row < block->first + block->count();
    };
    if (!holds(m_current.get())) {
        const bool stale = m_current != nullptr && m_current->rounds != rounds;
        m_blockSize = stale ? kSmallestBlock : std::min(m_blockSize * 2, kLargestBlock);
        m_current.reset();
        bool nextIsQueued = false;
        {
            std::lock_guard lock(m_mutex);
            nextIsQueued = !m_queued.empty() && m_queued.front()->first == row
                && m_queued.front()->rounds == rounds;
        }
        if (!nextIsQueued) {
            cancelAll();
            submit(makeBlock(row, rounds, m_blockSize));
        }
        m_current = waitForOldest();
        if (m_current->failure) {
            const std::exception_ptr failure = m_current->failure;
            m_current.reset();
            std::rethrow_exception(failure);
        }
        // Two blocks queued ahead keep the worker busy while this one is used and while the
        // next is handed over.
        if (m_current->count() > 0) {
            int next = m_current->first + m_current->count();
            std::size_t queued = 0;
            {
                std::lock_guard lock(m_mutex);
                queued = m_queued.size();
                if (queued > 0)
                    next = m_queued.back()->first + m_queued.back()->count();
            }
            for (; queued < kBlocksAhead; ++queued) {
                std::unique_ptr<Block> block = makeBlock(next, rounds, m_blockSize);
                if (block->count() == 0)
                    break;
                next += block->count();
                submit(std::move(block));
            }
        }
    }
    if (!holds(m_current.get()))
        return std::nullopt; // no such row (any more)
    const int i = row - m_current->first;
    if (m_current->path(i) != path)
        return std::nullopt; // the list changed under the run
    return m_current->times.at(static_cast<size_t>(i));
}

void StampPrefetch::work()
{
    FileTimesReader reader;
    for (;;) {
        Block* block = nullptr;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] {
                if (m_stop)
                    return true;
                for (const auto& queued : m_queued) {
                    if (!queued->started) {
                        block = queued.get();
                        return true;
                    }
                }
                return false;
            });
            if (m_stop)
                return;
            block->started = true;
        }
        try {
            block->times.reserve(static_cast<size_t>(block->count()));
            for (int i = 0; i < block->count() && !block->cancelled; ++i)
                block->times.push_back(reader.readUtf8(block->path(i)));
        } catch (...) {
            block->failure = std::current_exception();
        }
        {
            std::lock_guard lock(m_mutex);
            block->done = true;
        }
        m_changed.notify_all();
    }
}

} // namespace quillfen
