#include "snapshot/Snapshot.h"

#include "base/Texts.h"
#include "dates/LocalTime.h"
#include "snapshot/SnapshotTexts.h"
#include "table/TextTable.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace quillfen {

namespace {

constexpr const char* kKeys[] = {"size", "modified", "created", "accessed", "changed"};
constexpr const UiText* kHeaders[] = {&texts::kSizeColumn, &texts::kDateModifiedColumn,
                                      &texts::kDateCreatedColumn, &texts::kDateAccessedColumn,
                                      &texts::kDateChangedColumn};

constexpr quint64 kNoSize = std::numeric_limits<quint64>::max();
constexpr qint64 kFarKey = TextTable::kNoKey + 1; // no instantKey() gives it

// A path reference: block (20 bits), offset in it (24 bits), length (20 bits).
constexpr int kLengthBits = 20;
constexpr int kOffsetBits = 24;
constexpr qsizetype kLargestBlock = qsizetype(1) << kOffsetBits;
constexpr qsizetype kFirstBlock = qsizetype(1) << 16;

// The seconds instantKey() keeps exactly, about the years 1678 to 2262.
constexpr qint64 kExactSeconds = std::numeric_limits<qint64>::max() / 1000000000 - 1;

} // namespace

const char* snapshotKey(SnapshotColumn column)
{
    return kKeys[static_cast<std::size_t>(column)];
}

const UiText& snapshotHeader(SnapshotColumn column)
{
    return *kHeaders[static_cast<std::size_t>(column)];
}

Snapshot::Snapshot() = default;
Snapshot::~Snapshot() = default;
Snapshot::Snapshot(Snapshot&&) noexcept = default;
Snapshot& Snapshot::operator=(Snapshot&&) noexcept = default;

int Snapshot::fractionDigits(SnapshotColumn column) const
{
    return m_fractionDigits[static_cast<std::size_t>(column)];
}

void Snapshot::setFractionDigits(SnapshotColumn column, int digits)
{
    m_fractionDigits[static_cast<std::size_t>(column)] = static_cast<qint8>(digits);
}

void Snapshot::setColumns(ColumnSet columns)
{
    m_columns = columns;
}

Snapshot::PathRef Snapshot::storePath(QByteArrayView path)
{
    Q_ASSERT(path.size() <= kLongestPath);
    if (m_blocks.empty() || m_blockSize - m_blockUsed < path.size()) {
        // Blocks grow from small, for the small snapshots, to the most an offset reaches.
        m_blockSize =
            std::min(kLargestBlock, kFirstBlock << std::min<std::size_t>(m_blocks.size(), 16));
        m_blockSize = std::max(m_blockSize, path.size());
        m_blocks.push_back(allocateLarge<char>(static_cast<std::size_t>(m_blockSize), true));
        m_blockUsed = 0;
    }
    if (!path.isEmpty())
        std::memcpy(m_blocks.back().get() + m_blockUsed, path.data(), path.size());
    const PathRef ref = (PathRef(m_blocks.size() - 1) << (kOffsetBits + kLengthBits))
        | (PathRef(m_blockUsed) << kLengthBits) | PathRef(path.size());
    m_blockUsed += path.size();
    return ref;
}

QByteArrayView Snapshot::path(qsizetype record) const
{
    const PathRef ref = m_paths[static_cast<std::size_t>(record)];
    const auto length = static_cast<qsizetype>(ref & ((PathRef(1) << kLengthBits) - 1));
    const auto offset =
        static_cast<qsizetype>((ref >> kLengthBits) & ((PathRef(1) << kOffsetBits) - 1));
    const auto block = static_cast<std::size_t>(ref >> (kOffsetBits + kLengthBits));
    return {m_blocks[block].get() + offset, length};
}

void Snapshot::append(QByteArrayView path, const FileValues& values)
{
    const auto record = static_cast<quint64>(m_paths.size());
    m_paths.push_back(storePath(path));
    if (has(SnapshotColumn::Size))
        m_sizes.push_back(values.size.value_or(kNoSize));
    for (std::size_t k = 0; k < m_stamps.size(); ++k) {
        if (!has(static_cast<SnapshotColumn>(k + 1)))
            continue;
        const std::optional<timespec>& stamp = values.stamps[k];
        if (!stamp) {
            m_stamps[k].push_back(TextTable::kNoKey);
        } else if (stamp->tv_sec >= -kExactSeconds && stamp->tv_sec <= kExactSeconds) {
            m_stamps[k].push_back(instantKey(*stamp));
        } else {
            m_stamps[k].push_back(kFarKey);
            m_farStamps.emplace(record * m_stamps.size() + k, *stamp);
        }
    }
}

FileValues Snapshot::values(qsizetype record) const
{
    const auto at = static_cast<std::size_t>(record);
    FileValues values;
    if (has(SnapshotColumn::Size) && m_sizes[at] != kNoSize)
        values.size = m_sizes[at];
    for (std::size_t k = 0; k < m_stamps.size(); ++k) {
        if (!has(static_cast<SnapshotColumn>(k + 1)))
            continue;
        const qint64 key = m_stamps[k][at];
        if (key == kFarKey)
            values.stamps[k] = m_farStamps.at(at * m_stamps.size() + k);
        else if (key != TextTable::kNoKey)
            values.stamps[k] = instantOfKey(key);
    }
    return values;
}

} // namespace quillfen
