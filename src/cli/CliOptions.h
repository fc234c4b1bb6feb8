#pragma once

// Layer cli: the command-line program; uses files, dates, table and base (Qt Core only).

#include "dates/WhenText.h"
#include "files/FileColumn.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace quillfen::cli {

enum class OutputFormat { Tsv, Csv, JsonLines, Text, Clipboard, Xlsx };
enum class TimeStyle { Local, Iso, Utc };

// What a run of quillfen-cli is asked to do, every default settled.
struct Options {
    std::vector<QByteArray> paths; // as given: bytes, UTF-8 or not
    QString extension = QStringLiteral("*");
    std::optional<QByteArray> filesFrom; // "-" is standard input
    bool nulSeparated = false;
    std::vector<FileColumn> columns; // in their order, each once
    OutputFormat format = OutputFormat::Tsv;
    TimeStyle time = TimeStyle::Iso;
    bool nanoseconds = false;
    bool byteOrderMark = false;
    QByteArray output; // empty: standard output
    // Only the files whose stamps fall in these ranges (by StampKind; a file without that
    // stamp fails a range with a bound) and whose paths match every one of these patterns.
    std::array<InstantRange, 4> ranges{};
    std::vector<QString> names;
    // --compare: the snapshot to compare with; --all also writes the rows that are the same.
    std::optional<QByteArray> compare;
    bool all = false;
    bool columnsChosen = false; // by --columns or --dates: for a comparison, those compared
};

struct CommandLine {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    Options options;
    QString error; // for UsageError: what was wrong, one line
};

// A mistake in what a run was given that shows only once it runs (a NUL byte in a
// --files-from list without -0): reported as a usage error is. Not a std::exception, so
// nothing on the way reports it otherwise.
struct UsageMistake {
    QString error;
};

// Reads the arguments after the program's name; a span back in a WHEN counts from `now` (an
// instant, see WhenText.h), by default the present.
CommandLine parseCommandLine(const std::vector<QByteArray>& arguments);
CommandLine parseCommandLine(const std::vector<QByteArray>& arguments, qint64 now);

// What --help prints.
QByteArray usageText();

} // namespace quillfen::cli
