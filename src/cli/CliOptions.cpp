#include "cli/CliOptions.h"

#include "base/Utf8.h"
#include "cli/CliTexts.h"
#include "dates/LocalTime.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <array>
#include <ctime>

namespace quillfen::cli {

namespace {

struct Named {
    const char* name;
    int value;
};

constexpr std::array<Named, 6> kFormats{{{"tsv", int(OutputFormat::Tsv)},
                                         {"csv", int(OutputFormat::Csv)},
                                         {"jsonl", int(OutputFormat::JsonLines)},
                                         {"text", int(OutputFormat::Text)},
                                         {"clipboard", int(OutputFormat::Clipboard)},
                                         {"xlsx", int(OutputFormat::Xlsx)}}};
constexpr std::array<Named, 3> kTimes{
    {{"local", int(TimeStyle::Local)}, {"iso", int(TimeStyle::Iso)}, {"utc", int(TimeStyle::Utc)}}};

constexpr FileColumn kDefaultColumns[] = {FileColumn::Path, FileColumn::Modified,
                                          FileColumn::Created, FileColumn::Accessed};

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
    if (extension == "text" || extension == "clipboard")
        return std::nullopt; // names of formats, not extensions
    if (const auto named = lookUp(kFormats, extension))
        return static_cast<OutputFormat>(*named);
    return std::nullopt;
}

// --columns: the columns in the order given, each once.
std::optional<std::vector<FileColumn>> columnsFrom(const QByteArray& list)
{
    std::vector<FileColumn> columns;
    for (const QByteArray& word : list.split(',')) {
        const auto column =
            std::find_if(std::begin(kFileColumns), std::end(kFileColumns),
                         [&](FileColumn c) { return word.trimmed() == columnWord(c); });
        if (column == std::end(kFileColumns))
            return std::nullopt;
        if (std::find(columns.begin(), columns.end(), *column) == columns.end())
            columns.push_back(*column);
    }
    return columns;
}

// --dates: the path and the window's dates named, in the window's order whatever the order
// given.
std::optional<std::vector<FileColumn>> datesFrom(const QByteArray& list)
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
    std::sort(dates.begin(), dates.end());
    std::vector<FileColumn> columns{FileColumn::Path};
    for (const StampKind kind : dates)
        columns.push_back(columnOf(kind));
    return columns;
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

// An option as given: "--name=value" or "--name value"; "-o value" or "-oVALUE".
struct Option {
    QByteArray name;
    std::optional<QByteArray> attached;
};

Option optionOf(const QByteArray& argument)
{
    if (argument.startsWith("--")) {
        const qsizetype equals = argument.indexOf('=');
        if (equals > 0)
            return {argument.left(equals), argument.mid(equals + 1)};
    } else if (argument.size() > 2 && argument.startsWith("-o")) {
        return {"-o", argument.mid(2)};
    }
    return {argument, std::nullopt};
}

// A date condition's option, "--modified-after" and so on: its stamp, and whether it bounds
// the stamp from below.
struct DateOption {
    StampKind kind;
    bool after;
};

std::optional<DateOption> dateOptionOf(const QByteArray& name)
{
    for (const StampKind kind : kAllStampKinds) {
        const QByteArray stem = QByteArray("--") + stampWord(kind);
        if (name == stem + "-after")
            return DateOption{kind, true};
        if (name == stem + "-before")
            return DateOption{kind, false};
    }
    return std::nullopt;
}

bool takesValue(const QByteArray& name)
{
    static const QByteArray kValued[] = {"--ext",    "--files-from", "--columns", "--dates",
                                         "--format", "--time",       "-o",        "--output",
                                         "--name",   "--compare"};
    return std::find(std::begin(kValued), std::end(kValued), name) != std::end(kValued)
        || dateOptionOf(name);
}

// What the arguments say, before the defaults are settled.
struct Given {
    qint64 now = 0;
    Options options;
    std::optional<OutputFormat> format;
    std::optional<TimeStyle> time;
    std::optional<std::vector<FileColumn>> columns;
    std::optional<std::vector<FileColumn>> dates;
};

// Takes an option without a value; false when `name` is none of them.
bool takeSwitch(const QByteArray& name, Options& options)
{
    if (name == "-0" || name == "--null")
        options.nulSeparated = true;
    else if (name == "--ns")
        options.nanoseconds = true;
    else if (name == "--bom")
        options.byteOrderMark = true;
    else if (name == "--all")
        options.all = true;
    else
        return false;
    return true;
}

// Takes an option with its value; the usage error, if any.
std::optional<QString> takeValue(const QByteArray& name, const QByteArray& value, Given& given)
{
    Options& options = given.options;
    if (const std::optional<DateOption> date = dateOptionOf(name)) {
        const std::optional<qint64> when = parseWhen(QString::fromUtf8(value), given.now);
        if (!when || !isValidUtf8(value))
            return texts::kBadWhen().arg(shown(name), shown(value));
        // Given twice, both hold: the narrower bound.
        InstantRange& range = options.ranges[static_cast<std::size_t>(date->kind)];
        if (date->after)
            range.after =
                range.after == InstantRange::kNoBound ? *when : std::max(range.after, *when);
        else
            range.before =
                range.before == InstantRange::kNoBound ? *when : std::min(range.before, *when);
    } else if (name == "--name") {
        if (!isValidUtf8(value))
            return texts::kBadName().arg(shown(value));
        options.names.push_back(QString::fromUtf8(value));
    } else if (name == "--compare") {
        options.compare = value;
    } else if (name == "--ext") {
        options.extension = QString::fromUtf8(value);
    } else if (name == "--files-from") {
        options.filesFrom = value;
    } else if (name == "--columns") {
        given.columns = columnsFrom(value);
        if (!given.columns)
            return texts::kBadColumns().arg(shown(value));
    } else if (name == "--dates") {
        given.dates = datesFrom(value);
        if (!given.dates)
            return texts::kBadDates().arg(shown(value));
    } else if (name == "--format") {
        const auto named = lookUp(kFormats, value);
        if (!named)
            return texts::kUnknownFormat().arg(shown(value));
        given.format = static_cast<OutputFormat>(*named);
    } else if (name == "--time") {
        const auto named = lookUp(kTimes, value);
        if (!named)
            return texts::kUnknownTime().arg(shown(value));
        given.time = static_cast<TimeStyle>(*named);
    } else {
        options.output = value;
    }
    return std::nullopt;
}

// Settles what was not given and checks the options against each other; the usage error,
// if any.
std::optional<QString> settle(Given& given)
{
    Options& options = given.options;
    if (options.paths.empty() && !options.filesFrom)
        return texts::kNoPath();
    if (given.columns && given.dates)
        return texts::kColumnsAndDates();
    if (options.all && !options.compare)
        return texts::kAllNeedsCompare();
    options.columnsChosen = given.columns || given.dates;
    if (given.columns)
        options.columns = *given.columns;
    else if (given.dates)
        options.columns = *given.dates;
    else
        options.columns.assign(std::begin(kDefaultColumns), std::end(kDefaultColumns));
    if (!given.format && !options.output.isEmpty()) {
        given.format = formatOfFile(options.output);
        if (!given.format)
            return texts::kFormatOfFile().arg(shown(options.output));
    }
    options.format = given.format.value_or(OutputFormat::Tsv);
    if (options.format == OutputFormat::Xlsx && options.output.isEmpty())
        return texts::kXlsxNeedsOutput();
    // Programs get ISO 8601, people their locale's dates.
    const bool forPeople = options.format == OutputFormat::Text
        || options.format == OutputFormat::Clipboard || options.format == OutputFormat::Xlsx;
    options.time = given.time.value_or(forPeople ? TimeStyle::Local : TimeStyle::Iso);
    if (options.nanoseconds && options.time == TimeStyle::Local)
        return texts::kNsNeedsIso();
    if (options.byteOrderMark && options.format != OutputFormat::Csv)
        return texts::kBomIsForCsv();
    return std::nullopt;
}

} // namespace

CommandLine parseCommandLine(const std::vector<QByteArray>& arguments)
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return parseCommandLine(arguments, instantKey(now));
}

CommandLine parseCommandLine(const std::vector<QByteArray>& arguments, qint64 now)
{
    Given given;
    given.now = now;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const QByteArray& argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.startsWith('-')) {
            given.options.paths.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const Option option = optionOf(argument);
        if (!option.attached) {
            CommandLine line;
            if (option.name == "--help" || option.name == "-h")
                line.action = CommandLine::Action::Help;
            else if (option.name == "--version")
                line.action = CommandLine::Action::Version;
            if (line.action != CommandLine::Action::Run)
                return line;
            if (takeSwitch(option.name, given.options))
                continue;
        }
        if (!takesValue(option.name))
            return usageError(texts::kUnknownOption().arg(shown(argument)));
        std::optional<QByteArray> value = option.attached;
        if (!value && i + 1 < arguments.size())
            value = arguments[++i];
        if (!value || value->isEmpty())
            return usageError(texts::kNeedsValue().arg(shown(option.name)));
        if (const std::optional<QString> error = takeValue(option.name, *value, given))
            return usageError(*error);
    }
    if (const std::optional<QString> error = settle(given))
        return usageError(*error);
    CommandLine line;
    line.options = std::move(given.options);
    return line;
}

QByteArray usageText()
{
    return texts::kUsage().toUtf8();
}

} // namespace quillfen::cli
