#include "cli/CliOptions.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <array>

namespace quillfen::cli {

namespace {

struct Named {
    const char* name;
    int value;
};

constexpr std::array<Named, 5> kFormats{{{"text", int(OutputFormat::Text)},
                                         {"tsv", int(OutputFormat::Tsv)},
                                         {"csv", int(OutputFormat::Csv)},
                                         {"jsonl", int(OutputFormat::JsonLines)},
                                         {"xlsx", int(OutputFormat::Xlsx)}}};
constexpr std::array<Named, 3> kTimes{
    {{"local", int(TimeStyle::Local)}, {"iso", int(TimeStyle::Iso)}, {"utc", int(TimeStyle::Utc)}}};

template <std::size_t N>
std::optional<int> lookUp(const std::array<Named, N>& names, const QByteArray& word)
{
    for (const Named& named : names) {
        if (word == named.name)
            return named.value;
    }
    return std::nullopt;
}

// The format an output file's extension names, as --format would.
std::optional<OutputFormat> formatOfFile(const QByteArray& file)
{
    const qsizetype dot = file.lastIndexOf('.');
    if (dot < 0 || file.indexOf('/', dot) >= 0)
        return std::nullopt;
    const QByteArray extension = file.mid(dot + 1).toLower();
    if (extension == "txt")
        return OutputFormat::Text;
    if (const auto named = lookUp(kFormats, extension); named && extension != "text")
        return static_cast<OutputFormat>(*named);
    return std::nullopt;
}

std::optional<std::vector<StampKind>> datesFrom(const QByteArray& list)
{
    std::vector<StampKind> dates;
    for (const QByteArray& word : list.split(',')) {
        const auto kind = std::find_if(std::begin(kStampKinds), std::end(kStampKinds),
                                       [&](StampKind k) { return word.trimmed() == stampWord(k); });
        if (kind == std::end(kStampKinds))
            return std::nullopt;
        if (std::find(dates.begin(), dates.end(), *kind) == dates.end())
            dates.push_back(*kind);
    }
    std::sort(dates.begin(), dates.end()); // the window's column order
    return dates;
}

CommandLine usageError(const QString& error)
{
    CommandLine line;
    line.action = CommandLine::Action::UsageError;
    line.error = error;
    return line;
}

QString shown(const QByteArray& argument)
{
    return QFile::decodeName(argument);
}

} // namespace

CommandLine parseCommandLine(const std::vector<QByteArray>& arguments)
{
    CommandLine line;
    Options& options = line.options;
    std::optional<OutputFormat> format;
    std::optional<TimeStyle> time;
    bool optionsEnded = false;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const QByteArray& argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.startsWith('-')) {
            options.paths.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        // "--name=value" or "--name value"; "-o value" or "-oVALUE".
        QByteArray name = argument;
        std::optional<QByteArray> attached;
        if (argument.startsWith("--")) {
            const qsizetype equals = argument.indexOf('=');
            if (equals > 0) {
                name = argument.left(equals);
                attached = argument.mid(equals + 1);
            }
        } else if (argument.size() > 2 && argument.startsWith("-o")) {
            name = "-o";
            attached = argument.mid(2);
        }
        const auto value = [&]() -> std::optional<QByteArray> {
            if (attached)
                return attached;
            if (i + 1 < arguments.size())
                return arguments[++i];
            return std::nullopt;
        };
        const auto takesNoValue = [&] { return !attached.has_value(); };

        if ((name == "--help" || name == "-h") && takesNoValue()) {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (name == "--version" && takesNoValue()) {
            line.action = CommandLine::Action::Version;
            return line;
        }
        if ((name == "-0" || name == "--null") && takesNoValue()) {
            options.nulSeparated = true;
        } else if (name == "--ns" && takesNoValue()) {
            options.nanoseconds = true;
        } else if (name == "--bom" && takesNoValue()) {
            options.byteOrderMark = true;
        } else if (name == "--ext" || name == "--files-from" || name == "--dates"
                   || name == "--format" || name == "--time" || name == "-o"
                   || name == "--output") {
            const std::optional<QByteArray> given = value();
            if (!given || given->isEmpty())
                return usageError(QStringLiteral("%1 needs a value").arg(shown(name)));
            if (name == "--ext") {
                options.extension = QString::fromUtf8(*given);
            } else if (name == "--files-from") {
                options.filesFrom = *given;
            } else if (name == "--dates") {
                const auto dates = datesFrom(*given);
                if (!dates)
                    return usageError(QStringLiteral("--dates takes modified, created and "
                                                     "accessed, separated by commas, not '%1'")
                                          .arg(shown(*given)));
                options.dates = *dates;
            } else if (name == "--format") {
                const auto named = lookUp(kFormats, *given);
                if (!named)
                    return usageError(QStringLiteral("unknown format '%1': use text, tsv, csv, "
                                                     "jsonl or xlsx")
                                          .arg(shown(*given)));
                format = static_cast<OutputFormat>(*named);
            } else if (name == "--time") {
                const auto named = lookUp(kTimes, *given);
                if (!named)
                    return usageError(QStringLiteral("unknown time style '%1': use local, iso "
                                                     "or utc")
                                          .arg(shown(*given)));
                time = static_cast<TimeStyle>(*named);
            } else {
                options.output = *given;
            }
        } else {
            return usageError(QStringLiteral("unknown option '%1'").arg(shown(argument)));
        }
    }

    if (options.paths.empty() && !options.filesFrom)
        return usageError(QStringLiteral("no PATH to report on, and no --files-from"));
    if (options.dates.empty())
        options.dates.assign(std::begin(kStampKinds), std::end(kStampKinds));
    if (!format && !options.output.isEmpty()) {
        format = formatOfFile(options.output);
        if (!format)
            return usageError(QStringLiteral("cannot tell the format from the name '%1': "
                                             "give --format")
                                  .arg(shown(options.output)));
    }
    options.format = format.value_or(OutputFormat::Tsv);
    if (options.format == OutputFormat::Xlsx && options.output.isEmpty())
        return usageError(QStringLiteral("the xlsx format needs an output file: -o FILE"));
    const bool forPrograms =
        options.format == OutputFormat::Csv || options.format == OutputFormat::JsonLines;
    options.time = time.value_or(forPrograms ? TimeStyle::Iso : TimeStyle::Local);
    if (options.nanoseconds && options.time == TimeStyle::Local)
        return usageError(QStringLiteral("--ns needs --time iso or --time utc"));
    if (options.byteOrderMark && options.format != OutputFormat::Csv)
        return usageError(QStringLiteral("--bom is for the csv format only"));
    return line;
}

QByteArray usageText()
{
    return R"(Usage: quillfen-cli [OPTION]... PATH...
       quillfen-cli [OPTION]... --files-from FILE [PATH]...

Report the date modified, created and accessed of files, one row per file.

A PATH that is a folder is walked with all its sub-folders, breadth first, as the window's
"Add All File(s) In Folder" walks it: names beginning with "~" and hidden plain files are left
out, folders whose names are not UTF-8 or hold control characters are not entered, and links
to folders are followed, each real folder once. Any other PATH is listed as given. PATHs are
taken in order, then those read from --files-from.

Input:
  --ext EXT           in folders, only files whose names end in ".EXT" (default *, every
                      file); "*.txt" and ".txt" mean txt, several extensions separated by
                      ";", "," or blanks are each kept, * and ? are wildcards, and letters
                      match in any case
  --files-from FILE   read further PATHs from FILE, one per line; "-" is standard input
  -0, --null          the PATHs read from --files-from end in NUL bytes, not line ends

Output:
  --dates LIST        any of modified,created,accessed (default all three); the columns
                      keep that order
  --format FORMAT     text   the window's text report: cells padded to their column
                      tsv    the window's clipboard text: TAB-separated, padded
                      csv    RFC 4180 with a header row, UTF-8
                      jsonl  one JSON object per file: the path, then one member per date
                      xlsx   the window's workbook; needs -o
                      By default the -o file's extension decides (.txt .tsv .csv .jsonl
                      .xlsx); on standard output, tsv.
  --time STYLE        local  the locale's short date and long time (default for text, tsv
                             and xlsx)
                      iso    ISO 8601 local time with its UTC offset (default for csv and
                             jsonl): 2021-07-15T14:34:56+02:00
                      utc    ISO 8601 in UTC: 2021-07-15T12:34:56Z
  --ns                add the nanoseconds the file system keeps (iso and utc only)
  --bom               begin csv with the byte order mark spreadsheets use to recognise UTF-8
  -o, --output FILE   write to FILE, which replaces an earlier file only once complete;
                      default standard output

  -h, --help          show this help and exit
  --version           show the version and exit

Every stamp is converted with the time-zone rules of its own date. A date the file system
does not keep (created, on some) is an empty cell, null in jsonl. An entry that is missing
or cannot be read gets empty cells and one line on standard error.

csv and jsonl write each row as soon as it is read and keep nothing per file, and xlsx keeps
its rows in a temporary file. text and tsv need every column's width first, so they keep every
row in memory (its path and dates, compactly: about 130 bytes a file) until the end.

In jsonl, a byte of a name that is not part of valid UTF-8 is written as the escape \udc80
to \udcff (Python's surrogateescape), so os.fsencode() of the decoded path gives the name's
bytes back.

While it runs, a line on standard error shows the progress when that is a terminal.

Exit status: 0 when every entry was read and written, 1 when some could not be read (or did
not fit into the xlsx sheet), 2 for a usage error or an output that cannot be written.
)";
}

} // namespace quillfen::cli
