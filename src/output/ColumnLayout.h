#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace quillfen {

class RowModel;

// The column-aligned layout shared by the text report and the clipboard text: every cell is
// padded with spaces to its column's width and followed by a TAB. Widths count UTF-16 code
// units; lines are built as UTF-8, which is what both exports hand on, straight from the
// list's store.

using CellHook = std::function<void()>;

// The width of each column: the longest of its cells over all rows, ticked or not, and of its
// header when `countHeaders`. `beforeCell` runs before each cell is read (the exports yield
// there). Rows removed meanwhile end the pass early instead of failing.
//
// `tickedSize`, when given, receives room enough for the ticked rows laid out with these
// widths, each line ended by at most two bytes in place of its last TAB: reserved in one go,
// a long text is never moved while it grows.
std::vector<int> measureColumnWidths(const RowModel& list, bool countHeaders,
                                     const CellHook& beforeCell, qsizetype* tickedSize = nullptr);

// Appends the text, the spaces that fill it to `width` and a TAB.
void appendPaddedCell(QByteArray& line, const QString& text, int width);

// The header texts laid out as one line (without a line end).
QByteArray headerLine(const RowModel& list, const std::vector<int>& widths,
                      const CellHook& beforeCell);

// Appends one cell of a row, padded to `width`, and a TAB.
void appendPaddedCell(const RowModel& list, int row, int column, int width, QByteArray& line);

// The cells of one row laid out as one line (without a line end), appended to `text`.
void appendRowLine(const RowModel& list, int row, const std::vector<int>& widths,
                   const CellHook& beforeCell, QByteArray& text);
QByteArray rowLine(const RowModel& list, int row, const std::vector<int>& widths,
                   const CellHook& beforeCell);

// Turns the laid-out line that begins at `lineStart` and ends `text` into a clipboard line:
// its last TAB and then every space at its end are removed, and CR LF is appended.
void finishClipboardLine(QByteArray& text, qsizetype lineStart = 0);

inline constexpr char kLineEnd[] = "\r\n";

} // namespace quillfen
