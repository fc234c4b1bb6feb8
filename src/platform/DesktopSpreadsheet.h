#pragma once

#include "platform/SpreadsheetApp.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;

namespace quillfen {

// The only sheet of a new .xlsx file, written as its cells arrive: each row goes to the
// library's temporary file once a later row starts, and only the row being filled stays in
// memory, so a million rows cost little more than one. Every value is a text, never a number
// or formula.
class XlsxSheet {
public:
    // Fitted widths stop at Excel's own maximum column width, in characters; the
    // spreadsheet applications refuse a wider column.
    static constexpr double kMaxFittedWidth = 255;
    // The longest text a cell holds, in characters.
    static constexpr int kMaxCellText = 32767;

    // The library's temporary files go to `tempFolder`; empty is the system's temporary
    // folder. Throws a Failure when the sheet cannot be made.
    explicit XlsxSheet(const QString& tempFolder = {});
    ~XlsxSheet();
    XlsxSheet(const XlsxSheet&) = delete;
    XlsxSheet& operator=(const XlsxSheet&) = delete;

    // Rows are filled from the top down: the cells of the row being filled come in any order,
    // and a later text for the same cell replaces the earlier one; an empty text leaves the
    // cell empty. Throws a Failure for a cell outside the sheet, above the row being filled or
    // with a text longer than kMaxCellText.
    void set(int row, int column, const QString& text);

    // Sets each column's width from its longest text so far; a column without any text keeps
    // the sheet's default width.
    void fitColumns();
    // The widths fitColumns() set, by column.
    const std::map<int, double>& columnWidths() const { return m_widths; }

    // Writes the file at `path`, replacing any file there; a sheet is saved once. The file is
    // put together on a worker thread while this one calls `waitStep` (when given) every few
    // milliseconds, at least once, so a window can go on processing events. When `waitStep`
    // throws, the worker is waited for, the half-written file removed and the exception
    // passed on. Throws a Failure when the file cannot be written, and removes it then too.
    void save(const QString& path, const std::function<void()>& waitStep = {});

private:
    struct RowCell {
        int column;
        std::size_t offset; // into m_rowText
    };

    // Hands the row being filled to the library and starts an empty one.
    void writeRow();

    QByteArray m_tempFolder; // the library keeps a pointer to it
    lxw_workbook* m_workbook = nullptr;
    lxw_worksheet* m_sheet = nullptr;

    int m_row = 0;                   // the row being filled, 0 before the first
    std::string m_rowText;           // its texts as NUL-terminated UTF-8
    std::vector<RowCell> m_rowCells; // by column
    std::vector<int> m_longest;      // display width of the longest text, by column - 1
    std::map<int, double> m_widths;
};

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
};

class QtProcessLauncher final : public ProcessLauncher {
public:
    QString findExecutable(const QString& program) override;
    QString output(const QString& program, const QStringList& arguments) override;
    bool startDetached(const QString& program, const QStringList& arguments) override;
};

// How the spreadsheet application is started on a file: the program and the arguments that
// come before the file name.
struct SpreadsheetCommand {
    QString program;
    QStringList arguments;
};

inline const QString kXlsxMimeType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");

// LibreOffice on the PATH (soffice, else libreoffice), opening the file as a new, untitled
// document; else the desktop's default application for .xlsx through xdg-open. Throws a
// Failure when there is neither.
SpreadsheetCommand findSpreadsheetCommand(ProcessLauncher& launcher);

// The user's spreadsheet application on a Linux desktop. A workbook streams its cells into an
// XlsxSheet; showing it writes the .xlsx file into the temporary folder, on a worker thread
// while the instance's wait step runs, and starts the application on that file, detached, so
// the application stays open after the program. Files of earlier exports that are more than a
// day old are removed then.
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
    std::optional<SpreadsheetCommand> m_found; // reset when a workbook is shown
};

} // namespace quillfen
