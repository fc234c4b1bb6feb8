#pragma once

// Layer commands: what the window's controls do; uses desktop, snapshot, files, dates, table
// and base.

namespace quillfen {

class FileDialogs;
struct Workspace;

// File > Save Snapshot...: writes every results row, ticked, hidden or not, with the dates
// the results show, as `quillfen-cli --format jsonl --ns` writes a snapshot, to a file the
// user picks; the file is put in place only when complete.
void saveSnapshot(Workspace& work, FileDialogs& dialogs);

} // namespace quillfen
