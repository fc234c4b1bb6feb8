#include "table/ColumnLayout.h"

#include "table/TextTable.h"

#include <algorithm>

namespace quillfen {

std::vector<int> measureColumnWidths(const TextTable& table, bool countHeaders,
                                     const CellHook& beforeCell, qsizetype* tickedSize,
                                     const RowSelection& selection)
{
    const int columns = table.columns();
    std::vector<int> widths;
    widths.reserve(static_cast<size_t>(columns));
    qsizetype size = 0;
    for (int column = 0; column < columns; ++column) {
        int width = countHeaders ? static_cast<int>(table.header(column).size()) : 0;
        // Of the ticked rows: their cells' bytes and lengths, to add up their padding at the end.
        qsizetype ticked = 0;
        qsizetype bytes = 0;
        qsizetype length = 0;
        const int rows = selection.count(table);
        for (int i = 0; i < rows; ++i) {
            if (beforeCell)
                beforeCell();
            const int row = selection.at(i);
            if (row >= table.rows() || column >= table.columns())
                break; // the table shrank while the pass let other work run
            const auto cellLength = static_cast<int>(table.cellLength(row, column));
            width = std::max(width, cellLength);
            if (tickedSize != nullptr && table.isChecked(row)) {
                ++ticked;
                bytes += table.cellUtf8Size(row, column);
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

QByteArray headerLine(const TextTable& table, const std::vector<int>& widths,
                      const CellHook& beforeCell)
{
    QByteArray line;
    for (size_t column = 0; column < widths.size(); ++column) {
        if (beforeCell)
            beforeCell();
        appendPaddedCell(line, table.header(static_cast<int>(column)), widths[column]);
    }
    return line;
}

void appendRowLine(const TextTable& table, int row, const std::vector<int>& widths,
                   const CellHook& beforeCell, QByteArray& text)
{
    for (size_t column = 0; column < widths.size(); ++column) {
        if (beforeCell)
            beforeCell();
        appendPaddedCell(table, row, static_cast<int>(column), widths[column], text);
    }
}

void appendPaddedCell(const TextTable& table, int row, int column, int width, QByteArray& line)
{
    table.appendCellUtf8(row, column, line);
    const qsizetype fill = width - table.cellLength(row, column);
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

std::vector<int> measureColumnWidths(const TextTable& table, AlignedStyle style,
                                     const CellHook& beforeCell, const RowSelection& rows)
{
    return measureColumnWidths(table, style == AlignedStyle::Report, beforeCell, nullptr, rows);
}

void writeAlignedLines(const TextTable& table, AlignedStyle style, const std::vector<int>& widths,
                       const LineSink& write, const CellVisit& beforeCell,
                       const RowSelection& selection)
{
    const auto visit = [&](int row, int column) {
        if (beforeCell)
            beforeCell(row, column);
    };
    QByteArray line;
    if (style == AlignedStyle::Report) {
        for (size_t column = 0; column < widths.size(); ++column) {
            visit(-1, static_cast<int>(column));
            appendPaddedCell(line, table.header(static_cast<int>(column)), widths[column]);
        }
        line.append(kLineEnd);
        write(line, -1);
    }
    const int rows = selection.count(table);
    for (int i = 0; i < rows; ++i) {
        const int row = selection.at(i);
        visit(row, -1);
        if (row >= table.rows())
            break; // the table shrank meanwhile
        if (!table.isChecked(row))
            continue;
        line.resize(0); // keeps its buffer from line to line
        for (size_t column = 0; column < widths.size(); ++column) {
            visit(row, static_cast<int>(column));
            appendPaddedCell(table, row, static_cast<int>(column), widths[column], line);
        }
        if (style == AlignedStyle::Report)
            line.append(kLineEnd);
        else
            finishClipboardLine(line);
        write(line, row);
    }
}

void writeAlignedLines(const TextTable& table, AlignedStyle style, const std::vector<int>& widths,
                       const std::function<void(QByteArrayView line)>& write,
                       const CellHook& beforeCell)
{
    writeAlignedLines(
        table, style, widths, [&](QByteArrayView line, int) { write(line); },
        [&](int, int) {
            if (beforeCell)
                beforeCell();
        });
}

QByteArray clipboardText(const TextTable& table, const CellHook& beforeCell,
                         const RowSelection& rows)
{
    qsizetype size = 0;
    const std::vector<int> widths = measureColumnWidths(table, false, beforeCell, &size, rows);
    QByteArray text;
    text.reserve(size);
    writeAlignedLines(
        table, AlignedStyle::Clipboard, widths,
        [&](QByteArrayView line, int) { text.append(line); },
        [&](int, int) {
            if (beforeCell)
                beforeCell();
        },
        rows);
    return text;
}

} // namespace quillfen
