#include "desktop/DesktopSpreadsheet.h"
#include "base/Texts.h"

#include "base/Failure.h"
#include "desktop/WatchedLaunch.h"
#include "table/XlsxSheet.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <utility>
#include <vector>

#include <unistd.h>

namespace quillfen {

namespace {

// Long enough for a slow desktop database, short enough that the window, which waits for the
// answer, does not seem to hang.
constexpr int kQueryTimeoutMs = 3000;

// The spreadsheet application has long read an export's file after a day; a newer one is
// left alone, as a desktop default may still have it open as its document.
constexpr qint64 kOldWorkbookSeconds = 24 * 60 * 60;

// How long a started application is watched for a failure at once: a spreadsheet application
// that cannot open a file, or a desktop launcher with no application for it, ends within it.
constexpr int kLaunchWatchMs = 1500;

const QString kWorkbookFilePrefix = QStringLiteral("quillfen-results-");

class DesktopWorkbook final : public SpreadsheetWorkbook {
public:
    explicit DesktopWorkbook(const QString& tempFolder)
        : m_sheet(tempFolder)
    {
    }
    void setCell(int row, int column, const QString& text) override
    {
        m_sheet.set(row, column, text);
    }
    void setDateFormats(const QString& dateTime, const QString& dateOnly) override
    {
        m_sheet.setDateFormats(dateTime, dateOnly);
    }
    void setDateCell(int row, int column, double value, bool dateOnly, const QString& text) override
    {
        m_sheet.setDate(row, column, value, dateOnly, text);
    }
    void autoFitColumns() override { m_sheet.fitColumns(); }
    XlsxSheet& sheet() { return m_sheet; }

private:
    XlsxSheet m_sheet;
};

// A fresh, empty file of our own in `folder`; it is not removed again, because the
// spreadsheet application opens it after this program may have ended.
QString newWorkbookFile(const QString& folder)
{
    QTemporaryFile file(folder + QLatin1Char('/') + kWorkbookFilePrefix
                        + QStringLiteral("XXXXXX.xlsx"));
    file.setAutoRemove(false);
    if (!file.open())
        throw Failure(texts::kCannotCreateTempFile().arg(QDir::toNativeSeparators(folder),
                                                         file.errorString()));
    return file.fileName();
}

// Removes the files that earlier exports of this user left in `folder` and that are more
// than a day old; a file that will not go is left for the next time.
void removeOldWorkbookFiles(const QString& folder)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QFileInfoList files = QDir(folder).entryInfoList(
        {kWorkbookFilePrefix + QStringLiteral("*.xlsx")}, QDir::Files | QDir::NoSymLinks);
    for (const QFileInfo& file : files) {
        if (file.ownerId() == ::geteuid() && file.lastModified().secsTo(now) > kOldWorkbookSeconds)
            QFile::remove(file.filePath());
    }
}

class DesktopSpreadsheetInstance final : public SpreadsheetInstance {
public:
    DesktopSpreadsheetInstance(ProcessLauncher& launcher, SpreadsheetLaunch command,
                               QString tempFolder, std::optional<SpreadsheetLaunch>& found)
        : m_launcher(launcher)
        , m_command(std::move(command))
        , m_tempFolder(std::move(tempFolder))
        , m_found(found)
    {
    }

    SpreadsheetWorkbook& addWorkbook() override
    {
        m_workbooks.push_back(std::make_unique<DesktopWorkbook>(m_tempFolder));
        return *m_workbooks.back();
    }

    void setWaitStep(std::function<void()> step) override { m_waitStep = std::move(step); }

    // Each workbook not yet shown gets its own file and its own start of the application.
    void setVisible() override
    {
        for (; m_shown < m_workbooks.size(); ++m_shown)
            show(*m_workbooks[m_shown]);
    }

private:
    void show(DesktopWorkbook& workbook)
    {
        // The next export asks the desktop afresh, in case its applications changed.
        m_found.reset();
        removeOldWorkbookFiles(m_tempFolder);
        const QString file = newWorkbookFile(m_tempFolder);
        try {
            workbook.sheet().save(file, m_waitStep);
        } catch (...) {
            QFile::remove(file);
            throw;
        }
        const ProcessLauncher::Launch launched = m_launcher.launch(
            m_command.program, m_command.arguments + QStringList(file), m_waitStep);
        if (launched.opened())
            return;
        // The workbook is complete: it stays, and the user is told where, to open it by hand.
        const QString program = QDir::toNativeSeparators(m_command.program);
        const QString kept = QDir::toNativeSeparators(file);
        if (launched.state == ProcessLauncher::Launch::State::NotStarted)
            throw Failure(texts::kCannotStartSpreadsheet().arg(program, kept));
        throw Failure(texts::kSpreadsheetFailed().arg(program).arg(launched.exitStatus).arg(kept));
    }

    ProcessLauncher& m_launcher;
    const SpreadsheetLaunch m_command;
    const QString m_tempFolder;
    std::optional<SpreadsheetLaunch>& m_found;
    std::function<void()> m_waitStep;
    std::vector<std::unique_ptr<DesktopWorkbook>> m_workbooks;
    std::size_t m_shown = 0;
};

} // namespace

QString QtProcessLauncher::findExecutable(const QString& program)
{
    return QStandardPaths::findExecutable(program);
}

QString QtProcessLauncher::output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(kQueryTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool QtProcessLauncher::startDetached(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

ProcessLauncher::Launch QtProcessLauncher::launch(const QString& program,
                                                  const QStringList& arguments,
                                                  const std::function<void()>& waitStep)
{
    return launchWatched(program, arguments, kLaunchWatchMs, waitStep);
}

SpreadsheetLaunch findSpreadsheetCommand(ProcessLauncher& launcher)
{
    for (const QString& name : {QStringLiteral("soffice"), QStringLiteral("libreoffice")}) {
        const QString program = launcher.findExecutable(name);
        // -n opens the file as a template: the user gets a new, untitled document and the
        // temporary file is never saved over.
        if (!program.isEmpty())
            return {program, {QStringLiteral("--calc"), QStringLiteral("-n")}};
    }
    const QString query = launcher.findExecutable(QStringLiteral("xdg-mime"));
    const QString open = launcher.findExecutable(QStringLiteral("xdg-open"));
    if (!query.isEmpty() && !open.isEmpty()) {
        const QStringList arguments{QStringLiteral("query"), QStringLiteral("default"),
                                    kXlsxMimeType};
        const QString handler = launcher.output(query, arguments).trimmed();
        if (!handler.isEmpty())
            return {open, {}};
    }
    throw Failure(texts::kNoSpreadsheetFound());
}

DesktopSpreadsheetApp::DesktopSpreadsheetApp(std::unique_ptr<ProcessLauncher> launcher,
                                             QString tempFolder)
    : m_launcher(std::move(launcher))
    , m_tempFolder(tempFolder.isEmpty()
                       ? QStandardPaths::writableLocation(QStandardPaths::TempLocation)
                       : std::move(tempFolder))
{
}

std::unique_ptr<SpreadsheetInstance> DesktopSpreadsheetApp::start()
{
    if (!m_found)
        m_found = findSpreadsheetCommand(*m_launcher);
    return std::make_unique<DesktopSpreadsheetInstance>(*m_launcher, *m_found, m_tempFolder,
                                                        m_found);
}

} // namespace quillfen
