#pragma once

// Layer snapshot: listings kept to compare with later; uses files, dates, table, base and Qt
// Core.

#include "base/Texts.h"
#include "files/FileColumn.h"
#include "snapshot/LargeMemory.h"

#include <QByteArrayView>

#include <algorithm>
#include <array>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace quillfen {

// A snapshot is what `quillfen-cli --format jsonl --ns` writes with the columns path, size,
// modified, created, accessed and changed (or a csv listing of the command line): one record
// per file, kept here compactly so a million of them fit in little more than their paths.

// The columns a record has beside its path, in the command line's order.
enum class SnapshotColumn : quint8 { Size, Modified, Created, Accessed, Changed };

inline constexpr SnapshotColumn kSnapshotColumns[] = {
    SnapshotColumn::Size, SnapshotColumn::Modified, SnapshotColumn::Created,
    SnapshotColumn::Accessed, SnapshotColumn::Changed};

// The column that holds a file's column; the path is no such column.
inline SnapshotColumn snapshotColumnOf(FileColumn column)
{
    static_assert(int(FileColumn::Size) == 1 && int(FileColumn::Changed) == 5
                  && int(SnapshotColumn::Changed) == 4);
    Q_ASSERT(column != FileColumn::Path);
    return static_cast<SnapshotColumn>(static_cast<int>(column) - 1);
}

// Its jsonl key ("size", "modified"...) and its csv header ("Size", "Date Modified"...; the
// English text is what csv holds).
const char* snapshotKey(SnapshotColumn column);
const UiText& snapshotHeader(SnapshotColumn column);

// Columns as bits, one per column.
using ColumnSet = quint8;
constexpr ColumnSet columnBit(SnapshotColumn column)
{
    return static_cast<ColumnSet>(1u << static_cast<unsigned>(column));
}

// One file's values, none where the listing had none (an entry that could not be read, a file
// system that keeps no birth time). Stamps are normalized: 0 <= tv_nsec < 1000000000.
struct FileValues {
    std::optional<quint64> size;
    std::array<std::optional<timespec>, 4> stamps; // modified, created, accessed, changed

    std::optional<timespec>& stamp(SnapshotColumn column)
    {
        return stamps[static_cast<std::size_t>(column) - 1];
    }
    const std::optional<timespec>& stamp(SnapshotColumn column) const
    {
        return stamps[static_cast<std::size_t>(column) - 1];
    }
};

class Snapshot {
public:
    Snapshot();
    ~Snapshot();
    Snapshot(Snapshot&&) noexcept;
    Snapshot& operator=(Snapshot&&) noexcept;

    // The columns the snapshot has beside the path.
    ColumnSet columns() const { return m_columns; }
    bool has(SnapshotColumn column) const { return (m_columns & columnBit(column)) != 0; }
    // How many digits of a second the column's stamps have: 9 with nanoseconds, 0 in whole
    // seconds; the fewest of any of its stamps.
    int fractionDigits(SnapshotColumn column) const;

    qsizetype count() const { return static_cast<qsizetype>(m_paths.size()); }
    QByteArrayView path(qsizetype record) const;
    FileValues values(qsizetype record) const;

    // Building one, as the reader does: the columns first, then the records in file order.
    // Values of columns the snapshot does not have are left out.
    void setColumns(ColumnSet columns);
    void append(QByteArrayView path, const FileValues& values);
    void setFractionDigits(SnapshotColumn column, int digits);

    // The longest path a snapshot keeps: no file's comes near it.
    static constexpr qsizetype kLongestPath = (qsizetype(1) << 20) - 1;

private:
    // A growing array in chunks: growing never copies what it holds, nor needs room for it
    // twice, as a vector's doubling would, past the first chunk. Later chunks are in huge
    // pages.
    template <typename T> class Chunked {
    public:
        std::size_t size() const { return m_size; }
        const T& operator[](std::size_t i) const { return m_chunks[i >> kBits][i & kMask]; }
        void push_back(T value)
        {
            if (m_size == m_capacity) {
                // The first chunk grows to its full size, so a small snapshot stays small.
                if (m_size < kMask + 1) {
                    const std::size_t capacity = std::max<std::size_t>(1024, m_capacity * 2);
                    LargeArray<T> first = allocateLarge<T>(capacity, false);
                    if (m_size > 0)
                        std::memcpy(first.get(), m_chunks[0].get(), m_size * sizeof(T));
                    m_chunks.resize(1);
                    m_chunks[0] = std::move(first);
                    m_capacity = capacity;
                } else {
                    m_chunks.push_back(allocateLarge<T>(kMask + 1, true));
                    m_capacity += kMask + 1;
                }
            }
            m_chunks.back()[m_size++ & kMask] = value;
        }

    private:
        static constexpr int kBits = 18;
        static constexpr std::size_t kMask = (std::size_t(1) << kBits) - 1;
        std::vector<LargeArray<T>> m_chunks;
        std::size_t m_size = 0;
        std::size_t m_capacity = 0;
    };

    // Paths one after another in blocks; a path is named by its block, offset and length.
    using PathRef = quint64;
    PathRef storePath(QByteArrayView path);

    ColumnSet m_columns = 0;
    std::array<qint8, 5> m_fractionDigits{9, 9, 9, 9, 9};
    std::vector<LargeArray<char>> m_blocks;
    qsizetype m_blockSize = 0;
    qsizetype m_blockUsed = 0;
    Chunked<PathRef> m_paths;
    Chunked<quint64> m_sizes; // kNoSize where there is none
    // Each stamp as its instantKey(), TextTable::kNoKey where there is none; a stamp outside
    // the years the key holds exactly is kept whole in m_farStamps, by record and column.
    std::array<Chunked<qint64>, 4> m_stamps;
    std::unordered_map<quint64, timespec> m_farStamps;
};

} // namespace quillfen
