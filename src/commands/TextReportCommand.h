#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include "table/TextTable.h"

#include <QString>

namespace quillfen {

class FileDialogs;
class ProgressSink;
struct Workspace;

// "Save Results As Text File": asks for a file name and writes the results list to it.
void saveResultsAsText(Workspace& work, FileDialogs& dialogs);

// Writes a report-style list as a column-aligned table (see writeAlignedLines): the header
// line, then one line per ticked row, every cell padded to its column's width and followed by
// a TAB, CR LF after each line, UTF-8 without a byte-order mark. The new file replaces an
// existing one only once it is complete, so a failed, interrupted or stopped write leaves the
// earlier file as it was. Shows its progress on `bar` when one is given, reports its own
// failures, and always returns with the bar at rest.
struct ReportOutcome {
    bool saved = false;   // the file is in place
    bool stopped = false; // the user stopped it
    int rows = 0;         // rows written
};
// Only `rows` are written and measured when given.
ReportOutcome writeAlignedReport(Workspace& work, const TextTable& list, const QString& fileName,
                                 ProgressSink* bar, const RowSelection& rows = {});

} // namespace quillfen
