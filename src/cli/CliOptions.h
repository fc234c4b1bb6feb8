#pragma once

// Layer cli: the command-line program; uses files, dates, table and base (Qt Core only).

#include "files/FileTimes.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace quillfen::cli {

enum class OutputFormat { Text, Tsv, Csv, JsonLines, Xlsx };
enum class TimeStyle { Local, Iso, Utc };

// What a run of quillfen-cli is asked to do, every default settled.
struct Options {
    std::vector<QByteArray> paths; // as given: bytes, UTF-8 or not
    QString extension = QStringLiteral("*");
    std::optional<QByteArray> filesFrom; // "-" is standard input
    bool nulSeparated = false;
    std::vector<StampKind> dates; // in column order
    OutputFormat format = OutputFormat::Tsv;
    TimeStyle time = TimeStyle::Local;
    bool nanoseconds = false;
    bool byteOrderMark = false;
    QByteArray output; // empty: standard output
};

struct CommandLine {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    Options options;
    QString error; // for UsageError: what was wrong, one line
};

// Reads the arguments after the program's name.
CommandLine parseCommandLine(const std::vector<QByteArray>& arguments);

// What --help prints.
QByteArray usageText();

} // namespace quillfen::cli
