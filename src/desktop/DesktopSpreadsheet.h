#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include "desktop/SpreadsheetApp.h"
#include "desktop/WatchedLaunch.h"

#include <QString>
#include <QStringList>

#include <functional>

#include <memory>
#include <optional>

namespace quillfen {

// Finds and starts other programs; tests stand in a recorder.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // The full path of a program found on the PATH, or "" when it is not there.
    virtual QString findExecutable(const QString& program) = 0;
    // Runs a program to its end and gives its standard output; "" when it could not be run,
    // failed or took too long.
    virtual QString output(const QString& program, const QStringList& arguments) = 0;
    // Starts a program that runs on without this one; false when it could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;

    using Launch = LaunchOutcome;
    // Starts a program as startDetached() does and watches it for a moment, calling
    // `waitStep` meanwhile, so a program that fails at once is told from one that runs.
    virtual Launch launch(const QString& program, const QStringList& arguments,
                          const std::function<void()>& waitStep)
    {
        static_cast<void>(waitStep);
        return startDetached(program, arguments) ? Launch{}
                                                 : Launch{Launch::State::NotStarted, 0, 0};
    }
};

class QtProcessLauncher final : public ProcessLauncher {
public:
    QString findExecutable(const QString& program) override;
    QString output(const QString& program, const QStringList& arguments) override;
    bool startDetached(const QString& program, const QStringList& arguments) override;
    Launch launch(const QString& program, const QStringList& arguments,
                  const std::function<void()>& waitStep) override;
};

// How the spreadsheet application is started on a file: the program and the arguments that
// come before the file name.
struct SpreadsheetLaunch {
    QString program;
    QStringList arguments;
};

inline const QString kXlsxMimeType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");

// LibreOffice on the PATH (soffice, else libreoffice), opening the file as a new, untitled
// document; else the desktop's default application for .xlsx through xdg-open. Throws a
// Failure when there is neither.
SpreadsheetLaunch findSpreadsheetCommand(ProcessLauncher& launcher);

// The user's spreadsheet application on a Linux desktop. A workbook streams its cells into an
// XlsxSheet; showing it writes the .xlsx file into the temporary folder, on a worker thread
// while the instance's wait step runs, and starts the application on that file, detached, so
// the application stays open after the program. An application that cannot be started, or
// fails at once, is a failure that names the file, which stays for the user to open. Files of
// earlier exports that are more than a day old are removed then.
class DesktopSpreadsheetApp final : public SpreadsheetApp {
public:
    // An empty `tempFolder` is the system's temporary folder.
    explicit DesktopSpreadsheetApp(
        std::unique_ptr<ProcessLauncher> launcher = std::make_unique<QtProcessLauncher>(),
        QString tempFolder = {});

    // An export checks for the application and then starts its own instance: the command
    // found for the check serves every start until a workbook is shown, so the desktop is
    // asked once per export, not twice.
    std::unique_ptr<SpreadsheetInstance> start() override;

private:
    std::unique_ptr<ProcessLauncher> m_launcher;
    QString m_tempFolder;
    std::optional<SpreadsheetLaunch> m_found; // reset when a workbook is shown
};

} // namespace quillfen
