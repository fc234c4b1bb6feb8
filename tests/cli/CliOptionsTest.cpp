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
        {{"dir"}, F::Tsv, T::Local},
        {{"-o", "out.csv", "dir"}, F::Csv, T::Iso},
        {{"--output=report.TXT", "dir"}, F::Text, T::Local},
        {{"-oall.jsonl", "dir"}, F::JsonLines, T::Iso},
        {{"dir", "-o", "book.xlsx"}, F::Xlsx, T::Local},
        {{"--format", "csv", "-o", "x.txt", "dir"}, F::Csv, T::Iso},
        {{"--format=jsonl", "--time", "utc", "--ns", "dir"}, F::JsonLines, T::Utc},
        {{"--time", "iso", "dir"}, F::Tsv, T::Iso},
    };
    for (const auto& c : cases) {
        const CommandLine line = parse(c.arguments);
        ASSERT_EQ(line.action, CommandLine::Action::Run) << line.error.toStdString();
        EXPECT_EQ(line.options.format, c.format) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.options.time, c.time) << c.arguments.join(' ').toStdString();
    }
}

TEST(CliOptions, PathsDatesAndInputsAreTakenAsGiven)
{
    const CommandLine line = parse({"--dates", "accessed,modified,accessed", "--ext", "*.TXT", "a",
                                    "--files-from", "-", "-0", "--", "-o", "\xff"});
    ASSERT_EQ(line.action, CommandLine::Action::Run) << line.error.toStdString();
    EXPECT_EQ(line.options.dates, (std::vector{StampKind::Modified, StampKind::Accessed}));
    EXPECT_EQ(line.options.extension, "*.TXT");
    EXPECT_EQ(line.options.paths, (std::vector<QByteArray>{"a", "-o", "\xff"}));
    EXPECT_EQ(line.options.filesFrom, QByteArray("-"));
    EXPECT_TRUE(line.options.nulSeparated);
    EXPECT_EQ(parse({"a"}).options.dates.size(), 3u);
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
        {{"--ns", "dir"}, "--ns needs"},
        {{"--bom", "--format", "jsonl", "dir"}, "csv format only"},
        {{"--ext"}, "--ext needs a value"},
        {{"--verbose", "dir"}, "unknown option '--verbose'"},
        {{"--ns=yes", "dir"}, "unknown option '--ns=yes'"},
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
