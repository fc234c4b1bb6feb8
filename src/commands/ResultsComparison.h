#pragma once

// Layer commands: what the window's controls do; uses desktop, snapshot, files, dates, table
// and base.

#include "dates/DateTextFormat.h"
#include "dates/LocalTime.h"
#include "snapshot/SnapshotComparison.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

namespace quillfen {

class FileDialogs;
class TextTable;
struct Workspace;

// The id of the results' "Change" column (see TextTable::columnId), which a comparison puts
// before the dates. Its cells hold keys, not texts: what changed and, for a changed row, where
// the snapshot's dates are kept; the column sorts by them in the order of its words.
inline constexpr int kChangeColumnId = 100;
Change changeOfKey(qint64 key);

// The results' date columns as (sub-item, the snapshot's column), in the command line's order.
using ResultsDates = std::vector<std::pair<int, SnapshotColumn>>;
ResultsDates resultsDates(const TextTable& table);
// A results row's dates in those columns; none where a cell has no date.
FileValues rowDates(const TextTable& table, int row, const ResultsDates& dates);

// File > Compare With Snapshot...: compares the results with a snapshot the user picks, as
// `quillfen-cli --compare` compares a listing, in the dates the results show. The rows gain
// the "Change" column with the command line's words; the snapshot's files the results lack
// follow them as ticked rows without dates; a changed date's cell carries a note with the
// snapshot's date. A snapshot that cannot be read is said once and nothing changes. A second
// comparison replaces the first; a new extraction ends it, as its columns go.
class ResultsComparison {
public:
    void compare(Workspace& work, FileDialogs& dialogs);
    // The note of a results cell: what a changed date was in the snapshot, else "".
    QString noteFor(const TextTable& table, int row, int column) const;
    // Forgets the snapshot's dates (the results were made afresh).
    void end();
    // The words the change column holds, to fit its width to.
    QStringList changeWords() const;

private:
    struct Loaded;
    struct Outcome;
    // False when the results changed from `revision` meanwhile.
    bool compareRows(Workspace& work, Loaded& loaded, quint64 revision, Outcome& outcome);
    void apply(Workspace& work, Outcome& outcome);

    // By changed row: the snapshot's dates as keys, by StampKind.
    std::vector<std::array<qint64, 3>> m_before;
    struct DateText {
        DateTextFormat format;
        LocalTimeConverter clock;
    };
    std::unique_ptr<DateText> m_dateText; // made with each comparison, in its locale
    std::shared_ptr<const std::array<QByteArray, 128>> m_words; // by rank and columns
    bool m_running = false;
};

} // namespace quillfen
