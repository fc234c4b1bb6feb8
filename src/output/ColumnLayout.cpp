#include "output/ColumnLayout.h"

#include "platform/RowModel.h"

#include <algorithm>

namespace quillfen {

std::vector<int> measureColumnWidths(const RowModel& list, bool countHeaders,
                                     const CellHook& beforeCell)
{
    const int columns = list.columns();
    std::vector<int> widths;
    widths.reserve(static_cast<size_t>(columns));
    for (int column = 0; column < columns; ++column) {
        int width = countHeaders ? static_cast<int>(list.header(column).size()) : 0;
        const int rows = list.rows();
        for (int row = 0; row < rows; ++row) {
            if (beforeCell)
                beforeCell();
            if (row >= list.rows() || column >= list.columns())
                break; // the list shrank while the pass yielded
            width = std::max(width, static_cast<int>(list.cellLength(row, column)));
        }
        widths.push_back(width);
    }
    return widths;
}

qsizetype laidOutSizeBound(const RowModel& list, const std::vector<int>& widths,
                           const CellHook& beforeCell)
{
    qsizetype size = 0;
    const int rows = list.rows();
    for (int row = 0; row < rows; ++row) {
        if (beforeCell)
            beforeCell();
        if (row >= list.rows())
            break; // the list shrank meanwhile
        if (!list.isChecked(row))
            continue;
        for (size_t column = 0; column < widths.size(); ++column) {
            if (static_cast<int>(column) >= list.columns())
                break;
            const qsizetype fill = widths[column] - list.cellLength(row, static_cast<int>(column));
            size +=
                list.cellUtf8Size(row, static_cast<int>(column)) + std::max<qsizetype>(fill, 0) + 1;
        }
        size += 1; // the line end is one byte longer than the TAB it replaces
    }
    return size;
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
