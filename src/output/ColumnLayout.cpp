#include "output/ColumnLayout.h"

#include "platform/RowModel.h"

#include <algorithm>

namespace quillfen {

std::vector<int> measureColumnWidths(const RowModel& list, bool countHeaders,
                                     const CellHook& beforeCell, qsizetype* tickedSize)
{
    const int columns = list.columns();
    std::vector<int> widths;
    widths.reserve(static_cast<size_t>(columns));
    qsizetype size = 0;
    for (int column = 0; column < columns; ++column) {
        int width = countHeaders ? static_cast<int>(list.header(column).size()) : 0;
        // Of the ticked rows: their cells' bytes and lengths, to add up their padding at the end.
        qsizetype ticked = 0;
        qsizetype bytes = 0;
        qsizetype length = 0;
        const int rows = list.rows();
        for (int row = 0; row < rows; ++row) {
            if (beforeCell)
                beforeCell();
            if (row >= list.rows() || column >= list.columns())
                break; // the list shrank while the pass yielded
            const auto cellLength = static_cast<int>(list.cellLength(row, column));
            width = std::max(width, cellLength);
            if (tickedSize != nullptr && list.isChecked(row)) {
                ++ticked;
                bytes += list.cellUtf8Size(row, column);
                length += cellLength;
            }
        }
        widths.push_back(width);
        size += bytes + (ticked * width - length) + ticked; // cells, their padding and TABs
        if (column == 0)
            size += ticked; // a line end is one byte longer than the TAB it replaces
    }
    if (tickedSize != nullptr)
        *tickedSize = size;
    return widths;
}

void appendPaddedCell(QByteArray& line, const QString& text, int width)
{
    line.append(text.toUtf8());
    const qsizetype fill = width - text.size();
    if (fill > 0)
        line.append(fill, ' ');
    line.append('\t');
}

QByteArray headerLine(const RowModel& list, const std::vector<int>& widths,
                      const CellHook& beforeCell)
{
    QByteArray line;
    for (size_t column = 0; column < widths.size(); ++column) {
        if (beforeCell)
            beforeCell();
        appendPaddedCell(line, list.header(static_cast<int>(column)), widths[column]);
    }
    return line;
}

void appendRowLine(const RowModel& list, int row, const std::vector<int>& widths,
                   const CellHook& beforeCell, QByteArray& text)
{
    for (size_t column = 0; column < widths.size(); ++column) {
        if (beforeCell)
            beforeCell();
        appendPaddedCell(list, row, static_cast<int>(column), widths[column], text);
    }
}

QByteArray rowLine(const RowModel& list, int row, const std::vector<int>& widths,
                   const CellHook& beforeCell)
{
    QByteArray line;
    appendRowLine(list, row, widths, beforeCell, line);
    return line;
}

void appendPaddedCell(const RowModel& list, int row, int column, int width, QByteArray& line)
{
    list.appendCellUtf8(row, column, line);
    const qsizetype fill = width - list.cellLength(row, column);
    if (fill > 0)
        line.append(fill, ' ');
    line.append('\t');
}

void finishClipboardLine(QByteArray& text, qsizetype lineStart)
{
    if (text.size() > lineStart)
        text.chop(1); // the TAB after the last cell
    qsizetype end = text.size();
    while (end > lineStart && text.at(end - 1) == ' ')
        --end;
    text.truncate(end);
    text.append(kLineEnd);
}

} // namespace quillfen
