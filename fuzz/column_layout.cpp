// The width and line layout of both text exports (measureColumnWidths, headerLine,
// appendRowLine, finishClipboardLine, clipboardText) over a table built from the input. Byte 0
// gives the number of columns (1 to 4), byte 1 the ticks (row r is ticked when bit r % 8 is set);
// the rest, split at NUL bytes, are the headers and then the cells row by row, as UTF-8.
//
// The layout works on the table's UTF-8 store and counts UTF-16 code units without building
// texts; here every line is built again the plain way, from the cells as texts, and must
// come out the same.

#include "FuzzSupport.h"

#include "table/ColumnLayout.h"
#include "table/TextTable.h"

#include <algorithm>
#include <vector>

using namespace quillfen;
using namespace quillfen::fuzz;

namespace {

// A cell padded to its column's width and followed by a TAB.
QString padded(const QString& text, int width)
{
    return text + QString(std::max<qsizetype>(0, width - text.size()), u' ') + u'\t';
}

QString clipboardLine(QString line)
{
    line.chop(1);
    while (line.endsWith(u' '))
        line.chop(1);
    return line + QStringLiteral("\r\n");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int columns = 1 + data[0] % 4;
    const unsigned ticks = data[1];
    const QList<QByteArray> parts = fields(data + 2, size - 2);
    if (parts.size() < columns)
        return 0;

    TextTable list;
    QStringList headers;
    for (int c = 0; c < columns; ++c) {
        headers.append(QString::fromUtf8(parts[c]));
        list.addColumn(headers.last());
    }
    QList<QStringList> rows;
    for (qsizetype at = columns; at < parts.size(); at += columns) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells.append(at + c < parts.size() ? QString::fromUtf8(parts[at + c]) : QString());
        const int row = list.rows();
        list.appendRow(cells[0]);
        for (int c = 1; c < columns; ++c)
            list.setSubItem(row, c, cells[c]);
        list.setChecked(row, ((ticks >> (row % 8)) & 1) != 0);
        rows.append(cells);
    }
    for (int r = 0; r < list.rows(); ++r) {
        for (int c = 0; c < columns; ++c)
            check(list.cell(r, c) == rows[r][c], "the table keeps every text as given",
                  shown(rows[r][c]));
    }

    int hooks = 0;
    const CellHook hook = [&] { ++hooks; };
    for (const bool countHeaders : {true, false}) {
        hooks = 0;
        const std::vector<int> widths = measureColumnWidths(list, countHeaders, hook);
        check(hooks == columns * list.rows(), "one hook call per cell");
        check(static_cast<int>(widths.size()) == columns, "one width per column");
        for (int c = 0; c < columns; ++c) {
            qsizetype widest = countHeaders ? headers[c].size() : 0;
            for (const QStringList& cells : rows)
                widest = std::max(widest, cells[c].size());
            check(widths[static_cast<size_t>(c)] == widest,
                  "a column is as wide as its widest cell",
                  QString::number(widths[static_cast<size_t>(c)]) + QStringLiteral(" for ")
                      + QString::number(widest));
        }

        QString header;
        for (int c = 0; c < columns; ++c)
            header += padded(headers[c], widths[static_cast<size_t>(c)]);
        check(QString::fromUtf8(headerLine(list, widths, hook)) == header, "the header line",
              shown(header));

        QString clipboard;
        for (int r = 0; r < list.rows(); ++r) {
            QString line;
            for (int c = 0; c < columns; ++c)
                line += padded(rows[r][c], widths[static_cast<size_t>(c)]);
            QByteArray laidOut;
            appendRowLine(list, r, widths, hook, laidOut);
            check(QString::fromUtf8(laidOut) == line, "a row's line", shown(line));
            finishClipboardLine(laidOut);
            check(QString::fromUtf8(laidOut) == clipboardLine(line), "a row's clipboard line",
                  shown(line));
            if (list.isChecked(r))
                clipboard += clipboardLine(line);
        }
        if (!countHeaders) {
            check(QString::fromUtf8(clipboardText(list, hook)) == clipboard,
                  "the clipboard text: the ticked rows' lines", shown(clipboard));
        }
    }
    return 0;
}
