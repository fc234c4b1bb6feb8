#pragma once

#include "platform/SpreadsheetApp.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quillfen {

// The texts of one sheet by row and column (both from 1) and the widths fitted to them.
// Texts are kept as UTF-8 in one buffer with a small index entry per cell, so a million rows
// of four columns cost little beyond the text itself.
class WorkbookCells {
public:
    // Widths are in the sheet's character units; a long path must not make a column wider
    // than a screen.
    static constexpr double kMaxFittedWidth = 100;

    // A later text for the same cell replaces the earlier one. Throws a Failure for a cell
    // outside the sheet.
    void set(int row, int column, const QString& text);

    // Sets each column's width from its longest text; a column without any text keeps the
    // sheet's default width.
    void fitColumns();
    // The widths fitColumns() set, by column.
    const std::map<int, double>& columnWidths() const { return m_widths; }

    bool isEmpty() const { return m_cells.empty(); }
    // Calls `visit` once per cell in row, then column order, with the cell's last text as
    // NUL-terminated UTF-8.
    void forEachCell(const std::function<void(int row, int column, const char* text)>& visit) const;

private:
    struct Cell {
        std::int32_t row;
        std::int32_t column;
        std::size_t offset; // into m_text
    };

    std::string m_text;
    std::vector<Cell> m_cells;
    // While cells arrive in row, column order (as an export sets them) no sort is needed.
    bool m_ordered = true;
    std::map<int, double> m_widths;
};

// Writes the cells as the only sheet of a new .xlsx file at `path`, replacing any file there.
// Every value is written as a text, never as a number or formula. Throws a Failure when the
// file cannot be written.
void writeXlsx(const WorkbookCells& cells, const QString& path);

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

// The user's spreadsheet application on a Linux desktop. A workbook collects its cells in
// memory; showing it writes an .xlsx file into the temporary folder and starts the
// application on that file, detached, so the application stays open after the program.
class DesktopSpreadsheetApp final : public SpreadsheetApp {
public:
    // An empty `tempFolder` is the system's temporary folder.
    explicit DesktopSpreadsheetApp(
        std::unique_ptr<ProcessLauncher> launcher = std::make_unique<QtProcessLauncher>(),
        QString tempFolder = {});

    std::unique_ptr<SpreadsheetInstance> start() override;

private:
    std::unique_ptr<ProcessLauncher> m_launcher;
    QString m_tempFolder;
};

} // namespace quillfen
