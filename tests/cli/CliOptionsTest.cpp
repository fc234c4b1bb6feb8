#include "cli/CliOptions.h"
#include "support/Printers.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::cli;

namespace {

CommandLine parse(const QByteArrayList& arguments)
{
    return parseCommandLine(std::vector<QByteArray>(arguments.begin(), arguments.end()));
}

} // namespace

TEST(CliOptions, TheFileAndTheFormatSettleTheDefaults)
{
    using F = OutputFormat;
    using T = TimeStyle;
    const struct {
        QByteArrayList arguments;
        OutputFormat format;
        TimeStyle time;
    } cases[] = {
        {{"dir"}, F::Tsv, T::Iso},
        {{"-o", "out.csv", "dir"}, F::Csv, T::Iso},
        {{"-o", "rows.tsv", "dir"}, F::Tsv, T::Iso},
        {{"--output=report.TXT", "dir"}, F::Text, T::Local},
        {{"-oall.jsonl", "dir"}, F::JsonLines, T::Iso},
        {{"dir", "-o", "book.xlsx"}, F::Xlsx, T::Local},
        {{"--format", "clipboard", "dir"}, F::Clipboard, T::Local},
        {{"--format", "csv", "-o", "x.txt", "dir"}, F::Csv, T::Iso},
        {{"--format=jsonl", "--time", "utc", "--ns", "dir"}, F::JsonLines, T::Utc},
        {{"--time", "local", "dir"}, F::Tsv, T::Local},
    };
    for (const auto& c : cases) {
        const CommandLine line = parse(c.arguments);
        ASSERT_EQ(line.action, CommandLine::Action::Run) << line.error.toStdString();
        EXPECT_EQ(line.options.format, c.format) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.options.time, c.time) << c.arguments.join(' ').toStdString();
    }
}

TEST(CliOptions, PathsAndInputsAreTakenAsGiven)
{
    const CommandLine line =
        parse({"--ext", "*.TXT", "a", "--files-from", "-", "-0", "--", "-o", "\xff"});
    ASSERT_EQ(line.action, CommandLine::Action::Run) << line.error.toStdString();
    EXPECT_EQ(line.options.extension, "*.TXT");
    EXPECT_EQ(line.options.paths, (std::vector<QByteArray>{"a", "-o", "\xff"}));
    EXPECT_EQ(line.options.filesFrom, QByteArray("-"));
    EXPECT_TRUE(line.options.nulSeparated);
}

TEST(CliOptions, AFilterGivenTwiceHoldsBothTimes)
{
    const qint64 now = parseIsoInstant(u"2024-04-02T12:00Z").value();
    const CommandLine line = parseCommandLine(
        {"--modified-after", "2024-04-01", "--modified-after=2024-03-01", "--modified-before", "1d",
         "--modified-before", "2d", "--name", "a", "--name", "*.txt", "dir"},
        now);
    ASSERT_EQ(line.action, CommandLine::Action::Run) << line.error.toStdString();
    const InstantRange& modified = line.options.ranges[std::size_t(StampKind::Modified)];
    EXPECT_EQ(modified.after, parseIsoInstant(u"2024-04-01"));
    EXPECT_EQ(modified.before, now - 2 * 86400 * qint64(1000000000));
    EXPECT_TRUE(line.options.ranges[std::size_t(StampKind::Created)].isOpen());
    EXPECT_EQ(line.options.names, (std::vector<QString>{"a", "*.txt"}));
}

TEST(CliOptions, ColumnsKeepTheirOrderAndDatesTheWindowsOrder)
{
    using C = FileColumn;
    const std::pair<QByteArrayList, std::vector<FileColumn>> cases[] = {
        {{"a"}, {C::Path, C::Modified, C::Created, C::Accessed}},
        {{"--dates", "accessed,modified,accessed", "a"}, {C::Path, C::Modified, C::Accessed}},
        {{"--columns", "changed,path,size,changed", "a"}, {C::Changed, C::Path, C::Size}},
        {{"--columns=size, accessed ,created,modified", "a"},
         {C::Size, C::Accessed, C::Created, C::Modified}},
    };
    for (const auto& [arguments, columns] : cases) {
        const CommandLine line = parse(arguments);
        ASSERT_EQ(line.action, CommandLine::Action::Run) << line.error.toStdString();
        EXPECT_EQ(line.options.columns, columns) << arguments.join(' ').toStdString();
    }
}

TEST(CliOptions, EveryMistakeIsAUsageErrorThatSaysWhat)
{
    const std::pair<QByteArrayList, const char*> cases[] = {
        {{}, "no PATH"},
        {{"-o", "out.dat", "dir"}, "cannot tell the format"},
        {{"--format", "xlsx", "dir"}, "needs an output file"},
        {{"--format", "pdf", "dir"}, "unknown format 'pdf'"},
        {{"--time", "gmt", "dir"}, "unknown time style 'gmt'"},
        {{"--dates", "modified,born", "dir"}, "not 'modified,born'"},
        {{"--dates", "changed", "dir"}, "not 'changed'"},
        {{"--columns", "path,,size", "dir"}, "not 'path,,size'"},
        {{"--columns", "path", "--dates", "modified", "dir"}, "not both"},
        {{"--ns", "--format", "text", "dir"}, "--ns needs"},
        {{"--bom", "--format", "jsonl", "dir"}, "csv format only"},
        {{"--ext"}, "--ext needs a value"},
        {{"--verbose", "dir"}, "unknown option '--verbose'"},
        {{"--ns=yes", "dir"}, "unknown option '--ns=yes'"},
        {{"--created-before", "yesterday", "dir"}, "--created-before takes a date"},
        {{"--changed-after=2024-02-30", "dir"}, "not '2024-02-30'"},
        {{"--accessed-after", "7 d", "dir"}, "not '7 d'"},
        {{"--name", "\xff", "dir"}, "--name takes a pattern in UTF-8"},
        {{"--modified-after", "", "dir"}, "--modified-after needs a value"},
    };
    for (const auto& [arguments, error] : cases) {
        const CommandLine line = parse(arguments);
        EXPECT_EQ(line.action, CommandLine::Action::UsageError) << error;
        EXPECT_TRUE(line.error.contains(QLatin1String(error))) << line.error.toStdString();
    }
    EXPECT_EQ(parse({"dir", "--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(parse({"--version"}).action, CommandLine::Action::Version);
}

TEST(CliOptions, TheManualPageNamesEveryOptionTheHelpNames)
{
    QFile page(QStringLiteral(QUILLFEN_CLI_MAN_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(page.readAll()).replace(QLatin1String("\\-"), "-");
    const QString help = QString::fromUtf8(usageText());
    const QRegularExpression option(QStringLiteral("(?<![\\w-])(--?[a-z0-9][a-z0-9-]*)"));
    int options = 0;
    for (const QRegularExpressionMatch& match : option.globalMatch(help)) {
        EXPECT_TRUE(manual.contains(match.captured(1))) << match.captured(1).toStdString();
        ++options;
    }
    EXPECT_GE(options, 12);
    for (const char* word : {"text", "tsv", "csv", "jsonl", "xlsx", "local", "iso", "utc"})
        EXPECT_TRUE(manual.contains(QLatin1String(word))) << word;
}
