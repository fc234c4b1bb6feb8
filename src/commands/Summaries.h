#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include "files/FolderWalk.h"

#include <QString>

namespace quillfen {

// The one line the status bar shows of what a command did.

// "1 file", "2,345 files": a count in the locale's digits with its word.
QString counted(qint64 count, const QString& one, const QString& many);

// What a scan or drop added: "Added 989,690 files from 11,111 folders; skipped 10,310 hidden
// files and 2 folders that could not be read". `loose` counts files added as given (a drop).
QString addedSummary(const FolderWalk::Counts& walked, qint64 loose, bool stopped);

class ShownRows;

// "; left out 5 rows hidden by the filter", or nothing when none were hidden.
QString hiddenByFilter(const ShownRows& shown);

} // namespace quillfen
