#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include "files/FileTimes.h"

namespace quillfen {

class DateChoice;
struct Workspace;

// The id the results list gives the column of each kind of date (see TextTable::columnId).
// The path column is always the first and has none.
inline int dateColumnId(StampKind kind)
{
    return static_cast<int>(kind);
}

// "Start Extracting": rebuilds the results list with one row per file list entry and a column
// per chosen date, showing progress as it goes. The object holds the running flag that keeps
// a second click from starting a second run while the first one yields.
class ExtractionRun {
public:
    void run(Workspace& work, const DateChoice& dates);

private:
    bool m_running = false;
};

} // namespace quillfen
