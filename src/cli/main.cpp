// quillfen-cli: the dates of files from the command line, on the same core as the window.

#include "base/BuildSettings.h"
#include "base/Failure.h"
#include "base/Language.h"
#include "cli/CliOptions.h"
#include "cli/CliTexts.h"
#include "cli/ListingRun.h"
#include "cli/Output.h"
#include "cli/RowWriters.h"
#include "cli/Terminal.h"
#include "snapshot/SnapshotComparison.h"
#include "snapshot/SnapshotReader.h"
#include "table/XlsxSheet.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <memory>

using namespace quillfen;
using namespace quillfen::cli;

namespace {

// `leftOut` turns true when rows did not fit into a workbook's sheet.
std::unique_ptr<RowWriter> writerFor(const Options& options, ByteOutput* output, Terminal& terminal,
                                     bool& leftOut)
{
    switch (options.format) {
    case OutputFormat::Tsv:
        return std::make_unique<DelimitedWriter>(*output, DelimitedWriter::Kind::Tsv);
    case OutputFormat::Csv:
        return std::make_unique<DelimitedWriter>(*output, DelimitedWriter::Kind::Csv,
                                                 options.byteOrderMark);
    case OutputFormat::JsonLines:
        return std::make_unique<JsonLinesWriter>(*output);
    case OutputFormat::Text:
        return std::make_unique<AlignedWriter>(*output, AlignedStyle::Report, checkInterrupted);
    case OutputFormat::Clipboard:
        return std::make_unique<AlignedWriter>(*output, AlignedStyle::Clipboard, checkInterrupted);
    case OutputFormat::Xlsx:
        return std::make_unique<WorkbookWriter>(
            QFile::decodeName(options.output), checkInterrupted,
            [&terminal, &leftOut](quint64 rows) {
                terminal.warn(cli::texts::kRowsLeftOut().arg(kSheetRows - 1).arg(rows));
                leftOut = true;
            });
    }
    return nullptr;
}

// The snapshot --compare names and the columns to compare with it, read whole before any
// output is made: a bad snapshot leaves nothing half-written. Throws a Failure naming it.
std::vector<SnapshotColumn> comparedColumns(const Options& options, const Snapshot& snapshot)
{
    std::vector<SnapshotColumn> named;
    if (options.columnsChosen) {
        for (const FileColumn column : options.columns) {
            if (column != FileColumn::Path)
                named.push_back(snapshotColumnOf(column));
        }
    }
    return columnsToCompare(snapshot, QFile::decodeName(*options.compare), named);
}

int usageError(const QString& error)
{
    const QByteArray text =
        "quillfen-cli: " + error.toLocal8Bit() + '\n' + cli::texts::kTryHelp().toLocal8Bit() + '\n';
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    // Read before the application object exists, which may take arguments of its own.
    const std::vector<QByteArray> arguments(argv + 1, argv + argc);
    // Only for the translations: it costs well under a millisecond, and nothing here runs an
    // event loop.
    QCoreApplication app(argc, argv);
    installTranslations(app);
    const CommandLine line = parseCommandLine(arguments);
    switch (line.action) {
    case CommandLine::Action::Help: {
        const QByteArray usage = usageText();
        std::fwrite(usage.constData(), 1, static_cast<std::size_t>(usage.size()), stdout);
        return 0;
    }
    case CommandLine::Action::Version:
        std::printf("quillfen-cli %s\n", build::kVersion);
        return 0;
    case CommandLine::Action::UsageError:
        return usageError(line.error);
    case CommandLine::Action::Run:
        break;
    }

    installSignalHandlers();
    const Options& options = line.options;
    Terminal terminal;
    std::unique_ptr<ByteOutput> output;
    std::unique_ptr<ListingRun> run;
    Snapshot snapshot;
    std::unique_ptr<SnapshotComparison> comparison;
    try {
        if (options.compare) {
            snapshot = readSnapshot(QFile::decodeName(*options.compare));
            comparison =
                std::make_unique<SnapshotComparison>(snapshot, comparedColumns(options, snapshot));
        }
        if (options.output.isEmpty()) {
            output = std::make_unique<StandardOutput>();
        } else if (options.format != OutputFormat::Xlsx) {
            try {
                output = std::make_unique<FileOutput>(QFile::decodeName(options.output));
            } catch (const Failure& failure) {
                throw Failure(cli::texts::kCannotWrite().arg(QFile::decodeName(options.output),
                                                             failure.description()));
            }
        }
        bool leftOut = false;
        const std::unique_ptr<RowWriter> writer =
            writerFor(options, output.get(), terminal, leftOut);
        run = std::make_unique<ListingRun>(options, *writer, terminal, comparison.get());
        const int status = run->run();
        return leftOut ? std::max(status, 1) : status; // not every row is in the output
    } catch (const Interrupted& interrupted) {
        terminal.done();
        run.reset(); // nothing half-written stays behind
        output.reset();
        dieBy(interrupted.signal);
    } catch (const UsageMistake& mistake) {
        terminal.done();
        run.reset();
        if (output)
            output->discard(); // no half a report, and no -o file put in place
        return usageError(mistake.error);
    } catch (const OutputClosed&) {
        // The reader has what it wanted. A comparison that was cut short cannot say "the
        // same": it differs if a row said so, else it is unfinished, which is trouble.
        terminal.done();
        if (comparison)
            return run && run->differs() ? 1 : 2;
        return run && run->someAmiss() ? 1 : 0;
    } catch (const std::exception& error) {
        terminal.warn(describe(error));
        return 2;
    }
}
