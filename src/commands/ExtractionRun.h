#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include <QString>

namespace quillfen {

class TextTable;
class WindowContext;

// "Start Extracting": rebuilds the results list with one row per file list entry and a column
// per ticked date, showing progress as it goes. The object holds the running flag that keeps
// a second click from starting a second run while the first one yields.
class ExtractionRun {
public:
    void run(WindowContext& window);

private:
    bool m_running = false;
};

// The sub-item number of the first column whose header is exactly `header` (its 0-based
// column index), or 0 when no column has it.
int columnWithHeader(const TextTable& table, const QString& header);

} // namespace quillfen
