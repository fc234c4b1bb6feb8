#include "commands/ResultsComparison.h"

#include "base/OffThread.h"
#include "base/Paths.h"
#include "base/Texts.h"
#include "base/Utf8.h"
#include "commands/CommandContext.h"
#include "commands/ExtractionRun.h"
#include "snapshot/SnapshotReader.h"
#include "snapshot/SnapshotTexts.h"
#include "table/TextTable.h"

#include <QLocale>
#include <QScopeGuard>

#include <optional>

namespace quillfen {

namespace {

// Rows compared between two turns of the event loop: a few milliseconds' work.
constexpr int kRowsPerSlice = 1 << 16;

// A Change column key: the change's place in the order of the words (added, changed,
// removed, unchanged), the changed columns, and for a changed row where its snapshot dates
// are kept.
constexpr int kColumnsShift = 32;
constexpr int kColumnBits = 5; // a ColumnSet
constexpr int kRankShift = kColumnsShift + kColumnBits;
constexpr int kWordCount = 4 << kColumnBits; // rank and columns
static_assert(kWordCount == 128, "the comparison keeps a word for each");

constexpr int rankOf(Change change)
{
    switch (change) {
    case Change::Added:
        return 0;
    case Change::Changed:
        return 1;
    case Change::Removed:
        return 2;
    case Change::Unchanged:
        break;
    }
    return 3;
}

int wordIndex(qint64 key)
{
    return static_cast<int>(key >> kColumnsShift) & (kWordCount - 1);
}

quint32 beforeIndex(qint64 key)
{
    return static_cast<quint32>(key);
}

} // namespace

ResultsDates resultsDates(const TextTable& table)
{
    ResultsDates dates;
    for (const StampKind kind : kAllStampKinds) {
        const int k = table.columnWithId(dateColumnId(kind));
        if (k > 0)
            dates.emplace_back(k, snapshotColumnOf(columnOf(kind)));
    }
    std::sort(dates.begin(), dates.end(),
              [](const auto& a, const auto& b) { return a.second < b.second; });
    return dates;
}

FileValues rowDates(const TextTable& table, int row, const ResultsDates& dates)
{
    FileValues values;
    for (const auto& [k, column] : dates) {
        const qint64 key = table.subItemKey(row, k);
        if (key != TextTable::kNoKey)
            values.stamp(column) = instantOfKey(key);
    }
    return values;
}

// The snapshot read and made ready to compare with, off the window's thread: the results'
// dates it has, and its paths by hash.
struct ResultsComparison::Loaded {
    std::unique_ptr<Snapshot> snapshot;
    ResultsDates dates;
    std::unique_ptr<SnapshotComparison> comparison;

    Loaded(const QString& path, const ResultsDates& shown)
        : snapshot(std::make_unique<Snapshot>(readSnapshot(path)))
    {
        std::vector<SnapshotColumn> compared;
        for (const auto& date : shown) {
            if (snapshot->has(date.second)) {
                dates.push_back(date);
                compared.push_back(date.second);
            }
        }
        comparison = std::make_unique<SnapshotComparison>(*snapshot, compared);
    }
};

Change changeOfKey(qint64 key)
{
    constexpr Change kByRank[] = {Change::Added, Change::Changed, Change::Removed,
                                  Change::Unchanged};
    if (key == TextTable::kNoKey)
        return Change::Unchanged;
    return kByRank[(key >> kRankShift) & 3];
}

// What a comparison found, made without touching the results, then put there at once.
struct ResultsComparison::Outcome {
    std::vector<qint64> keys;        // by row of the results
    std::vector<int> earlierRemoved; // rows an earlier comparison added for removed files
    std::vector<std::array<qint64, 3>> before;
    QByteArray removedPaths; // one after the other, as TextTable::appendUtf8Rows takes them
    std::vector<quint32> removedEnds;
    std::vector<qint64> removedKeys;
    std::shared_ptr<std::array<QByteArray, kWordCount>> words =
        std::make_shared<std::array<QByteArray, kWordCount>>();
    quint64 added = 0, removed = 0, changed = 0, unchanged = 0;

    qint64 keyOf(const ComparedRow& row)
    {
        const int word = rankOf(row.change) << kColumnBits | row.changed;
        QByteArray& text = (*words)[static_cast<std::size_t>(word)];
        if (text.isEmpty())
            text = row.word.toByteArray();
        qint64 key = qint64(word) << kColumnsShift;
        if (row.change == Change::Changed) {
            key |= static_cast<qint64>(before.size());
            std::array<qint64, 3>& dates = before.emplace_back();
            for (const StampKind kind : kStampKinds) {
                const auto& stamp = row.before.stamp(snapshotColumnOf(columnOf(kind)));
                dates[static_cast<std::size_t>(kind)] =
                    stamp ? instantKey(*stamp) : TextTable::kNoKey;
            }
        }
        return key;
    }
};

void ResultsComparison::compare(Workspace& work, FileDialogs& dialogs)
{
    if (m_running)
        return; // a second start while the first one yields
    m_running = true;
    const auto clearFlag = qScopeGuard([this] { m_running = false; });
    if (work.results.columns() == 0) {
        work.messages.tell(texts::kNoResultsToCompare());
        return;
    }
    const QString path =
        dialogs.openFile(texts::kSnapshotOpenTitle(), texts::kSnapshotOpenFilter());
    if (path.isEmpty())
        return; // cancelled
    const BusyWork busy(work, texts::kReadingSnapshot() + fileNameOfPath(path));
    Outcome outcome;
    // The worker must not read the table: what it needs of it is taken now, and a change
    // meanwhile is found by the revision.
    const ResultsDates shown = resultsDates(work.results.table());
    const quint64 revision = work.results.table().revision();
    try {
        const auto loaded = runOffThread([&] { return std::make_unique<Loaded>(path, shown); },
                                         [&work] { work.session.yield(); });
        if (!compareRows(work, *loaded, revision, outcome)) {
            work.messages.warn(texts::kResultsChangedWhileComparing());
            return;
        }
    } catch (const CommandStopped&) {
        work.status.showSummary(texts::kStoppedComparing());
        return;
    } catch (const std::exception& error) {
        // Nothing is shown of a snapshot that cannot be read whole.
        work.messages.warn(describe(error));
        return;
    }
    apply(work, outcome);
    const QLocale locale;
    work.status.showSummary(texts::kComparedWith().arg(
        fileNameOfPath(path), locale.toString(outcome.added), locale.toString(outcome.removed),
        locale.toString(outcome.changed), locale.toString(outcome.unchanged)));
}

bool ResultsComparison::compareRows(Workspace& work, Loaded& loaded, quint64 revision,
                                    Outcome& outcome)
{
    const TextTable& table = work.results.table();
    const int rows = table.rows();
    const int changeColumn = table.columnWithId(kChangeColumnId);
    SnapshotComparison& comparison = *loaded.comparison;
    outcome.keys.assign(static_cast<std::size_t>(rows), TextTable::kNoKey);
    for (int row = 0; row < rows; ++row) {
        if (row % kRowsPerSlice == 0) {
            work.progress.setPosition(100.0 * row / rows);
            work.session.yield();
            if (table.revision() != revision)
                return false;
        }
        // The files an earlier comparison found removed are no files of the results.
        if (changeColumn > 0
            && changeOfKey(table.subItemKey(row, changeColumn)) == Change::Removed) {
            outcome.earlierRemoved.push_back(row);
            continue;
        }
        outcome.keys[static_cast<std::size_t>(row)] = outcome.keyOf(
            comparison.compare(table.textView(row), rowDates(table, row, loaded.dates)));
    }
    comparison.forEachRemoved([&outcome](const ComparedRow& row) {
        // The window's texts are UTF-8; a name that is not shows as the window shows others.
        if (isValidUtf8(row.path))
            outcome.removedPaths.append(row.path);
        else
            outcome.removedPaths.append(QString::fromUtf8(row.path).toUtf8());
        outcome.removedEnds.push_back(static_cast<quint32>(outcome.removedPaths.size()));
        outcome.removedKeys.push_back(outcome.keyOf(row));
    });
    outcome.added = comparison.added();
    outcome.changed = comparison.changed();
    outcome.unchanged = comparison.unchanged();
    outcome.removed = comparison.removed();
    return true;
}

void ResultsComparison::apply(Workspace& work, Outcome& outcome)
{
    RowModel& results = work.results;
    m_words = outcome.words; // before the column comes, so its width fits them
    std::optional<RowModel::Sorting> sorting = results.sorting();
    int changeColumn = results.columnWithId(kChangeColumnId);
    if (changeColumn < 0) {
        changeColumn = 1;
        results.insertColumn(changeColumn, texts::kChangeHeader(), kChangeColumnId);
        if (sorting && sorting->column >= changeColumn)
            ++sorting->column;
    }
    results.setKeyText(changeColumn, [words = outcome.words](qint64 key, QByteArray& out) {
        out.append((*words)[static_cast<std::size_t>(wordIndex(key))]);
    });
    results.setSubItemKeys(changeColumn, outcome.keys);
    results.removeRows(outcome.earlierRemoved);
    // The removed files come last, in the snapshot's order, ticked as the other rows are.
    const int first = results.rows();
    results.appendUtf8Rows(outcome.removedPaths, outcome.removedEnds);
    for (std::size_t i = 0; i < outcome.removedKeys.size(); ++i) {
        const int row = first + static_cast<int>(i);
        results.setSubItemKey(row, changeColumn, outcome.removedKeys[i]);
        results.setChecked(row, true);
    }
    // Rows that came or went at the end are in no sorted place.
    if (!outcome.earlierRemoved.empty() || !outcome.removedKeys.empty())
        sorting.reset();
    results.setSorting(sorting);
    m_before = std::move(outcome.before);
    m_dateText = std::make_unique<DateText>();
}

QString ResultsComparison::noteFor(const TextTable& table, int row, int column) const
{
    const int changeColumn = table.columnWithId(kChangeColumnId);
    if (changeColumn <= 0 || column <= 0 || !m_dateText)
        return {};
    const qint64 key = table.subItemKey(row, changeColumn);
    if (changeOfKey(key) != Change::Changed)
        return {};
    const int id = table.columnId(column);
    if (id < 0 || id >= static_cast<int>(std::size(kStampKinds)))
        return {};
    const auto kind = static_cast<StampKind>(id);
    const ColumnSet changed = static_cast<ColumnSet>(wordIndex(key) & ((1 << kColumnBits) - 1));
    if ((changed & columnBit(snapshotColumnOf(columnOf(kind)))) == 0
        || beforeIndex(key) >= m_before.size())
        return {};
    const qint64 before = m_before[beforeIndex(key)][static_cast<std::size_t>(kind)];
    if (before == TextTable::kNoKey)
        return texts::kNoValueBefore();
    QByteArray text;
    m_dateText->format.appendUtf8(m_dateText->clock.convert(instantOfKey(before)), text);
    return texts::kValueBefore().arg(QString::fromUtf8(text));
}

void ResultsComparison::end()
{
    m_before = {};
    m_dateText.reset();
    m_words.reset();
}

QStringList ResultsComparison::changeWords() const
{
    QStringList words;
    if (m_words) {
        for (const QByteArray& word : *m_words) {
            if (!word.isEmpty())
                words << QString::fromUtf8(word);
        }
    }
    return words;
}

} // namespace quillfen
