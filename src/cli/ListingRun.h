#pragma once

// Layer cli: the command-line program; uses files, dates, table and base (Qt Core only).

#include "cli/CliOptions.h"
#include "cli/RowWriters.h"
#include "cli/Terminal.h"
#include "dates/DateTextFormat.h"
#include "dates/IsoDateText.h"
#include "files/FolderWalk.h"
#include "files/PathPattern.h"
#include "files/ReadAhead.h"
#include "snapshot/SnapshotComparison.h"

#include <QByteArray>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace quillfen::cli {

// One run of quillfen-cli: lists the entries in order (walking folders as it meets them),
// reads their time stamps and sizes a few blocks ahead on worker threads, renders the cells
// and hands each row to the writer as soon as its block is read.
//
// Given a comparison, it writes what differs from the snapshot instead: every entry read goes
// to the comparison, and a row (a change, the path, each compared column's old and new value)
// is written for each that was added or changed (with --all, unchanged too), then for each
// record of the snapshot no entry matched. The filters choose among those rows: by the new
// values, or for a removed path by the snapshot's.
class ListingRun {
public:
    ListingRun(const Options& options, RowWriter& writer, Terminal& terminal,
               SnapshotComparison* comparison = nullptr);
    ~ListingRun();
    ListingRun(const ListingRun&) = delete;
    ListingRun& operator=(const ListingRun&) = delete;

    // Reports every entry and finishes the writer. Returns the exit status: 0 when every
    // entry was read and written as it is (and, comparing, nothing differs), 1 when some could
    // not be read or its name not be written exactly (or a row differs). Throws a Failure when the
    // output cannot be written, UsageMistake when a --files-from list holds a NUL byte without -0,
    // OutputClosed or Interrupted when the run ends early.
    int run();
    // Whether some entry could not be read, or its name not be written exactly, so far.
    bool someAmiss() const { return m_someAmiss; }
    // Comparing: whether a row that differs was given to the writer.
    bool differs() const { return m_differs; }

private:
    struct Stamped {
        std::optional<FileTimes> times;
        int error = 0; // why not, as an errno value
    };
    using Block = FolderWalk::PathBlock;
    using Stamps = std::vector<Stamped>;

    // How one column renders its cells: the path, the change, or a value of the file (for a
    // comparison, its old or its new one).
    struct Column {
        enum class Source { Path, Change, Value };
        Source source = Source::Value;
        SnapshotColumn value = SnapshotColumn::Size;
        Side side = Side::After;
        std::optional<DateTextFormat> text; // local
        LocalTimeConverter clock;
        std::optional<IsoDateText> iso; // iso or utc
    };

    void addPath(const QByteArray& path);
    void addFilesFrom(const QByteArray& source);
    void walk(const QByteArray& folder);
    void addSingle(QByteArrayView path);
    void sendSingles();
    void send(Block block);
    // Writes the blocks read so far, oldest first, until at most `pending` are still asked.
    void writeRead(std::size_t pending);
    void writeRow(QByteArrayView path, const Stamped& stamped);
    void writeRemoved();
    bool passesNames(QByteArrayView path) const;
    bool passesDates(const FileValues& values) const;
    void writeCells(QByteArrayView path, QByteArrayView change, const FileValues& before,
                    const FileValues& after);
    // Appends the cell's text to m_cellTexts; false when the file has no value there.
    bool appendCell(Column& column, const FileValues& values, Cell& cell);
    void showProgress();

    const Options& m_options;
    RowWriter& m_writer;
    Terminal& m_terminal;
    SnapshotComparison* m_comparison;
    std::vector<Column> m_columns;
    std::vector<OutputColumn> m_outputColumns;
    std::vector<std::pair<StampKind, InstantRange>> m_dateConditions; // those with a bound
    std::vector<PathPattern> m_names;
    bool m_namesExact; // whether every name reaches the output as it is
    // Translated once per run.
    QByteArray m_cannotRead;
    QByteArray m_cannotReadFolder;
    QByteArray m_nameNotUtf8;
    FolderWalk::Counts m_walked; // of the walks done so far
    const FolderWalk* m_walking = nullptr;
    Block m_singles; // entries listed as given, sent in blocks
    bool m_someAmiss = false;
    bool m_differs = false; // a row written says the file differs from the snapshot
    QByteArray m_cellTexts; // the row being written: its cells' texts but the path's,
    std::vector<std::pair<qsizetype, qsizetype>> m_cellSpans; // each from here to there
    std::vector<Cell> m_cells;
    std::unique_ptr<ReadAhead<Block, Stamps>> m_stamps;
};

} // namespace quillfen::cli
