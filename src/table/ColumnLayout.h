#pragma once

// Layer table: the text table, its order and the writers that turn it into bytes; uses base,
// Qt Core, libxlsxwriter and ICU.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "table/TextTable.h"

#include <functional>
#include <vector>

namespace quillfen {

class TextTable;

// The column-aligned layout shared by the text report and the clipboard text: every cell is
// padded with spaces to its column's width and followed by a TAB. Widths count UTF-16 code
// units; lines are built as UTF-8, which is what both hand on, straight from the table's
// store.

using CellHook = std::function<void()>;

// The width of each column: the longest of its cells over all rows, ticked or not, and of its
// header when `countHeaders`. `beforeCell` runs before each cell is read (a caller may let
// other work run there). Rows removed meanwhile end the pass early instead of failing.
//
// `tickedSize`, when given, receives room enough for the ticked rows laid out with these
// widths, each line ended by at most two bytes in place of its last TAB: reserved in one go,
// a long text is never moved while it grows.
std::vector<int> measureColumnWidths(const TextTable& table, bool countHeaders,
                                     const CellHook& beforeCell, qsizetype* tickedSize = nullptr,
                                     const RowSelection& rows = {});

// Appends the text, the spaces that fill it to `width` and a TAB.
void appendPaddedCell(QByteArray& line, const QString& text, int width);

// The header texts laid out as one line (without a line end).
QByteArray headerLine(const TextTable& table, const std::vector<int>& widths,
                      const CellHook& beforeCell);

// Appends one cell of a row, padded to `width`, and a TAB.
void appendPaddedCell(const TextTable& table, int row, int column, int width, QByteArray& line);

// The cells of one row laid out as one line (without a line end), appended to `text`.
void appendRowLine(const TextTable& table, int row, const std::vector<int>& widths,
                   const CellHook& beforeCell, QByteArray& text);

// Turns the laid-out line that begins at `lineStart` and ends `text` into a clipboard line:
// its last TAB and then every space at its end are removed, and CR LF is appended.
void finishClipboardLine(QByteArray& text, qsizetype lineStart = 0);

// The two layouts of a whole table: the text report, a header line and then the ticked rows,
// every line keeping its last TAB and ending in CR LF; and the clipboard text, the ticked rows
// without a header, each line without its last TAB and its trailing spaces.
enum class AlignedStyle { Report, Clipboard };

// The widths for a style: the report counts the headers, the clipboard text does not.
std::vector<int> measureColumnWidths(const TextTable& table, AlignedStyle style,
                                     const CellHook& beforeCell = {},
                                     const RowSelection& rows = {});

// Hands the table laid out in `style` with these widths to `write`, a line at a time with its
// line end, and the row it shows (-1 for the header line). `beforeCell` runs before each
// header cell (row -1), before each row is looked at (column -1) and before each of its cells
// is read; either may throw to end the writing. Rows removed meanwhile end it.
// This is the one writer of the aligned layout: the window's text report and clipboard text
// and the command line's text and clipboard formats all come from it.
using LineSink = std::function<void(QByteArrayView line, int row)>;
using CellVisit = std::function<void(int row, int column)>;
// The rows are the table's, or those of `rows`; a visit names the table row.
void writeAlignedLines(const TextTable& table, AlignedStyle style, const std::vector<int>& widths,
                       const LineSink& write, const CellVisit& beforeCell = {},
                       const RowSelection& rows = {});
// The same for a writer that needs neither the row nor the position.
void writeAlignedLines(const TextTable& table, AlignedStyle style, const std::vector<int>& widths,
                       const std::function<void(QByteArrayView line)>& write,
                       const CellHook& beforeCell = {});

// The clipboard text of a table, as UTF-8: one line per ticked row, cells padded to the widths
// of all rows (headers not counted, no header line), the last TAB and trailing spaces of each
// line removed, CR LF after every line. `beforeCell` runs before each cell is read.
QByteArray clipboardText(const TextTable& table, const CellHook& beforeCell = {},
                         const RowSelection& rows = {});

inline constexpr char kLineEnd[] = "\r\n";

} // namespace quillfen
