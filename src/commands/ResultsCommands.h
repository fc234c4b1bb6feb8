#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include <Qt>

#include <optional>
#include <vector>

namespace quillfen {

class Clipboard;
class Shell;
struct Workspace;

// What the user does with the results list. The rows are the ones the user selected, in
// ascending order; every command but "Clear Results" does nothing while the window is busy.

// "Clear Results": removes every row; the columns stay.
void clearResults(Workspace& work);

void removeResults(Workspace& work, const std::vector<int>& rows);
void tickResults(Workspace& work, const std::vector<int>& rows, bool ticked);
// Their paths, one per line, as text on the clipboard.
void copyResultPaths(Workspace& work, Clipboard& clipboard, const std::vector<int>& rows);
// The folder of the row's file, in the desktop's file manager.
void openContainingFolder(Workspace& work, Shell& shell, int row);

// A click on a results header: the rows sorted by that column, ascending, or descending when
// they are sorted ascending by it already, or in the order given. Dates sort by their instant,
// paths in the locale's natural order folder by folder; equal rows keep their order, rows
// without a date go last.
void sortResults(Workspace& work, int column, std::optional<Qt::SortOrder> order = {});

} // namespace quillfen
