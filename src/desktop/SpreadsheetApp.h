#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include "table/WorkbookCells.h"

#include <QString>

#include <functional>
#include <memory>

namespace quillfen {

// A workbook being filled by the program, cell by cell (a cell outside the sheet throws a
// Failure).
class SpreadsheetWorkbook : public WorkbookCells {
public:
    // The number formats date cells are shown with (with the time, the date alone).
    virtual void setDateFormats(const QString& dateTime, const QString& dateOnly) = 0;
    // Fits every column's width to its contents.
    virtual void autoFitColumns() = 0;
};

// One running, not yet visible instance of the spreadsheet application.
class SpreadsheetInstance {
public:
    virtual ~SpreadsheetInstance() = default;
    // A new, empty workbook; the instance owns it.
    virtual SpreadsheetWorkbook& addWorkbook() = 0;
    // Shows the application with its workbook to the user, who owns it from then on.
    virtual void setVisible() = 0;
    // While setVisible() waits for long work, it calls `step` now and then so the window can
    // process its events; an exception from `step` ends setVisible() and passes on.
    virtual void setWaitStep(std::function<void()> step) { static_cast<void>(step); }
};

// The user's spreadsheet application.
class SpreadsheetApp {
public:
    virtual ~SpreadsheetApp() = default;
    // Starts a new, hidden instance; throws a Failure when none can be started.
    virtual std::unique_ptr<SpreadsheetInstance> start() = 0;
};

} // namespace quillfen
