#pragma once

// Layer snapshot: listings kept to compare with later; uses files, dates, table, base and Qt
// Core.

#include "snapshot/Snapshot.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace quillfen {

// How a path of a new listing differs from the snapshot.
enum class Change : quint8 { Unchanged, Added, Removed, Changed };

// One row of a comparison. `word` is what its "Change" column holds: "added", "removed",
// "unchanged", or "changed:" and the changed columns' keys, comma separated, in the order the
// comparison compares them ("changed:size,modified"). `before` holds the snapshot's values
// (none for an added path), `after` the new ones (none for a removed path). `path` is the one
// given to compare(), or the snapshot's for a removed row; `word` lives with the comparison.
struct ComparedRow {
    Change change = Change::Unchanged;
    ColumnSet changed = 0; // Change::Changed: the columns that differ
    QByteArrayView word;
    QByteArrayView path;
    FileValues before;
    FileValues after;
};

// Compares a new listing, given row by row in the order of its walk, with a snapshot. Paths
// are compared as bytes, so the new listing names its files as the snapshot did (the same
// folder given the same way). A path listed twice is matched with as many records of that
// path, in order. Stamps are compared as instants, whatever offset the snapshot wrote, and
// at the precision both sides have: a snapshot column in whole seconds (or in fewer digits)
// is compared with the new stamps cut to the same.
class SnapshotComparison {
public:
    // `compared` in the order the rows show them, each a column the snapshot has (see
    // columnsToCompare()); a column it lacks compares as none.
    SnapshotComparison(const Snapshot& before, std::vector<SnapshotColumn> compared);

    const std::vector<SnapshotColumn>& compared() const { return m_compared; }

    // The next row of the new listing; `now` holds its values, all of them read.
    ComparedRow compare(QByteArrayView path, const FileValues& now);
    // After the last row: every record of the snapshot that no row matched, in its order.
    void forEachRemoved(const std::function<void(const ComparedRow&)>& visit) const;

    quint64 added() const { return m_added; }
    quint64 changed() const { return m_changed; }
    quint64 unchanged() const { return m_unchanged; }
    quint64 removed() const { return static_cast<quint64>(m_before.count()) - m_matched; }
    // Whether anything was added, changed or removed (after the last row): as diff, the
    // command's exit status is 1 then and 0 otherwise.
    bool differs() const { return m_added + m_changed + removed() > 0; }

private:
    struct Slot {
        quint32 record;
        quint32 hash;
    };
    static constexpr quint32 kEmpty = 0xFFFFFFFF;

    ColumnSet differing(qsizetype record, const FileValues& now, FileValues& before) const;

    const Snapshot& m_before;
    std::vector<SnapshotColumn> m_compared;
    // The snapshot's paths by hash, open addressing with linear probing.
    LargeArray<Slot> m_slots;
    quint32 m_mask = 0;
    std::vector<bool> m_matchedRecords;
    quint64 m_matched = 0;
    quint64 m_added = 0;
    quint64 m_changed = 0;
    quint64 m_unchanged = 0;
    std::array<QByteArray, 32> m_changedWords; // by the set of changed columns
};

// The columns to compare: those `named` (each one the snapshot must have, else a Failure
// naming `shownName`), or when none are named every column the snapshot has, in the command
// line's order.
std::vector<SnapshotColumn> columnsToCompare(const Snapshot& snapshot, const QString& shownName,
                                             const std::vector<SnapshotColumn>& named = {});

// The columns of a comparison's output: "Change" (jsonl "change"), "Filename" ("path"), then
// for each compared column its old and its new value: "Old Size" and "New Size" ("old_size",
// "new_size"), "Old Date Modified" and "New Date Modified" ("old_modified", "new_modified").
// csv takes the English headers, what people read the translated ones.
enum class Side { Before, After };
inline constexpr char kChangeKey[] = "change";
QString comparedHeader(SnapshotColumn column, Side side);
QString comparedCsvHeader(SnapshotColumn column, Side side);
QByteArray comparedKey(SnapshotColumn column, Side side);

} // namespace quillfen
