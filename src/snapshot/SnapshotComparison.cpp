#include "snapshot/SnapshotComparison.h"

#include "base/Failure.h"
#include "snapshot/SnapshotTexts.h"

#include <QHash>

#include <algorithm>
#include <bit>

namespace quillfen {

namespace {

constexpr char kAdded[] = "added";
constexpr char kRemoved[] = "removed";
constexpr char kUnchanged[] = "unchanged";
constexpr char kChangedPrefix[] = "changed:";

quint32 pathHash(QByteArrayView path)
{
    return static_cast<quint32>(qHash(path));
}

// Whether two stamps are the same at `digits` digits of a second: the digits the snapshot
// wrote, the rest of the new stamp cut off as the writer cut it.
bool sameStamp(const std::optional<timespec>& a, const std::optional<timespec>& b, int digits)
{
    if (!a || !b)
        return !a && !b;
    if (a->tv_sec != b->tv_sec)
        return false;
    long unit = 1;
    for (int d = digits; d < 9; ++d)
        unit *= 10;
    return a->tv_nsec / unit == b->tv_nsec / unit;
}

} // namespace

SnapshotComparison::SnapshotComparison(const Snapshot& before, std::vector<SnapshotColumn> compared)
    : m_before(before)
    , m_compared(std::move(compared))
    , m_matchedRecords(static_cast<std::size_t>(before.count()), false)
{
    for (unsigned set = 0; set < m_changedWords.size(); ++set) {
        QByteArray& word = m_changedWords[set];
        word = kChangedPrefix;
        for (const SnapshotColumn column : m_compared) {
            if ((set & columnBit(column)) == 0)
                continue;
            if (word.size() > qsizetype(sizeof kChangedPrefix - 1))
                word.append(',');
            word.append(snapshotKey(column));
        }
    }

    // At most half full, so a miss ends after a probe or two.
    const auto records = static_cast<quint64>(before.count());
    const quint64 slotCount = std::bit_ceil(std::max<quint64>(16, records * 2));
    m_slots = allocateLarge<Slot>(slotCount, true);
    std::fill_n(m_slots.get(), slotCount, Slot{kEmpty, 0});
    m_mask = static_cast<quint32>(slotCount - 1);
    // In batches whose slots are asked for ahead, so that their cache misses overlap.
    constexpr qsizetype kBatch = 16;
    std::array<quint32, kBatch> hashes{};
    for (qsizetype first = 0; first < before.count(); first += kBatch) {
        const qsizetype size = std::min(kBatch, before.count() - first);
        for (qsizetype i = 0; i < size; ++i) {
            hashes[i] = pathHash(before.path(first + i));
#if defined(__GNUC__)
            __builtin_prefetch(&m_slots[hashes[i] & m_mask], 1);
#endif
        }
        for (qsizetype i = 0; i < size; ++i) {
            quint32 at = hashes[i] & m_mask;
            while (m_slots[at].record != kEmpty)
                at = (at + 1) & m_mask;
            m_slots[at] = Slot{static_cast<quint32>(first + i), hashes[i]};
        }
    }
}

ColumnSet SnapshotComparison::differing(qsizetype record, const FileValues& now,
                                        FileValues& before) const
{
    before = m_before.values(record);
    ColumnSet differ = 0;
    for (const SnapshotColumn column : m_compared) {
        const bool same = column == SnapshotColumn::Size
            ? before.size == now.size
            : sameStamp(before.stamp(column), now.stamp(column), m_before.fractionDigits(column));
        if (!same)
            differ |= columnBit(column);
    }
    return differ;
}

ComparedRow SnapshotComparison::compare(QByteArrayView path, const FileValues& now)
{
    ComparedRow row;
    row.path = path;
    row.after = now;
    const quint32 hash = pathHash(path);
    for (quint32 at = hash & m_mask; m_slots[at].record != kEmpty; at = (at + 1) & m_mask) {
        const Slot slot = m_slots[at];
        if (slot.hash != hash || m_matchedRecords[slot.record]
            || m_before.path(slot.record) != path)
            continue;
        m_matchedRecords[slot.record] = true;
        ++m_matched;
        row.changed = differing(slot.record, now, row.before);
        if (row.changed == 0) {
            row.change = Change::Unchanged;
            row.word = kUnchanged;
            ++m_unchanged;
        } else {
            row.change = Change::Changed;
            row.word = m_changedWords[row.changed];
            ++m_changed;
        }
        return row;
    }
    row.change = Change::Added;
    row.word = kAdded;
    ++m_added;
    return row;
}

void SnapshotComparison::forEachRemoved(const std::function<void(const ComparedRow&)>& visit) const
{
    ComparedRow row;
    row.change = Change::Removed;
    row.word = kRemoved;
    for (qsizetype record = 0; record < m_before.count(); ++record) {
        if (m_matchedRecords[static_cast<std::size_t>(record)])
            continue;
        row.path = m_before.path(record);
        row.before = m_before.values(record);
        visit(row);
    }
}

std::vector<SnapshotColumn> columnsToCompare(const Snapshot& snapshot, const QString& shownName,
                                             const std::vector<SnapshotColumn>& named)
{
    if (named.empty()) {
        std::vector<SnapshotColumn> columns;
        for (const SnapshotColumn column : kSnapshotColumns) {
            if (snapshot.has(column))
                columns.push_back(column);
        }
        return columns;
    }
    // A snapshot of no files says nothing of its columns.
    for (const SnapshotColumn column : named) {
        if (!snapshot.has(column) && snapshot.count() > 0)
            throw Failure(
                texts::kNotInSnapshot().arg(shownName, QLatin1String(snapshotKey(column))));
    }
    return named;
}

QString comparedHeader(SnapshotColumn column, Side side)
{
    const UiText& form = side == Side::Before ? texts::kBeforeHeader : texts::kAfterHeader;
    return form().arg(snapshotHeader(column)());
}

QString comparedCsvHeader(SnapshotColumn column, Side side)
{
    const UiText& form = side == Side::Before ? texts::kBeforeHeader : texts::kAfterHeader;
    return form.english().arg(snapshotHeader(column).english());
}

QByteArray comparedKey(SnapshotColumn column, Side side)
{
    return (side == Side::Before ? "old_" : "new_") + QByteArray(snapshotKey(column));
}

} // namespace quillfen
