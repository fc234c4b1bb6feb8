#pragma once

// Layer cli: the command-line program; uses files, dates, table and base (Qt Core only).

#include "cli/CliOptions.h"
#include "cli/RowWriters.h"
#include "cli/Terminal.h"
#include "dates/DateTextFormat.h"
#include "dates/IsoDateText.h"
#include "files/FolderWalk.h"
#include "files/ReadAhead.h"

#include <QByteArray>

#include <memory>
#include <optional>
#include <vector>

namespace quillfen::cli {

// One run of quillfen-cli: lists the entries in order (walking folders as it meets them),
// reads their time stamps a few blocks ahead on worker threads, renders the dates and hands
// each row to the writer as soon as its block is read.
class ListingRun {
public:
    ListingRun(const Options& options, RowWriter& writer, Terminal& terminal);
    ~ListingRun();
    ListingRun(const ListingRun&) = delete;
    ListingRun& operator=(const ListingRun&) = delete;

    // Reports every entry and finishes the writer. Returns the exit status: 0 when every
    // entry was read, 1 when some could not be. Throws a Failure when the output cannot be
    // written, OutputClosed or Interrupted when the run ends early.
    int run();
    // Whether some entry could not be read so far.
    bool someUnread() const { return m_someUnread; }

private:
    struct Stamped {
        std::optional<FileTimes> times;
        int error = 0; // why not, as an errno value
    };
    using Block = FolderWalk::PathBlock;
    using Stamps = std::vector<Stamped>;

    // How one date column renders its stamps.
    struct DateColumn {
        StampKind kind;
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
    void showProgress();

    const Options& m_options;
    RowWriter& m_writer;
    Terminal& m_terminal;
    std::vector<DateColumn> m_columns;
    FolderWalk::Counts m_walked; // of the walks done so far
    const FolderWalk* m_walking = nullptr;
    Block m_singles; // entries listed as given, sent in blocks
    bool m_someUnread = false;
    QByteArray m_dateTexts; // the row being written: its date texts, one after the other,
    std::vector<qsizetype> m_dateEnds; // each ending here, or -1 where there is none
    std::vector<DateCell> m_cells;
    std::unique_ptr<ReadAhead<Block, Stamps>> m_stamps;
};

} // namespace quillfen::cli
