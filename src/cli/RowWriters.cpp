#include "cli/RowWriters.h"

#include "base/Utf8.h"
#include "dates/SpreadsheetDates.h"
#include "table/RecordText.h"
#include "table/XlsxSheet.h"

#include <QFileInfo>

namespace quillfen::cli {

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

QByteArrayView textOrEmpty(const Cell& cell)
{
    return cell.present ? cell.text : QByteArrayView();
}

} // namespace

OutputColumn outputColumnOf(FileColumn column)
{
    OutputColumn out;
    out.kind = column == FileColumn::Path ? OutputColumn::Kind::Path
        : column == FileColumn::Size      ? OutputColumn::Kind::Size
                                          : OutputColumn::Kind::Date;
    out.header = columnHeader(column)();
    out.englishHeader = columnHeader(column).english();
    out.key = columnWord(column);
    return out;
}

DelimitedWriter::DelimitedWriter(ByteOutput& output, Kind kind, bool byteOrderMark)
    : m_output(output)
    , m_separator(kind == Kind::Csv ? ',' : '\t')
    , m_lineEnd(kind == Kind::Csv ? kLineEnd : "\n")
    , m_field(kind == Kind::Csv ? appendCsvField : appendTsvField)
    , m_byteOrderMark(byteOrderMark)
{
}

void DelimitedWriter::begin(const std::vector<OutputColumn>& columns)
{
    if (m_byteOrderMark)
        m_output.write(kByteOrderMark);
    m_line.resize(0);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            m_line.append(m_separator);
        m_field(columns[i].englishHeader.toUtf8(), m_line);
    }
    m_line.append(m_lineEnd);
    m_output.write(m_line);
}

void DelimitedWriter::row(const std::vector<Cell>& cells)
{
    m_line.resize(0);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            m_line.append(m_separator);
        m_field(textOrEmpty(cells[i]), m_line);
    }
    m_line.append(m_lineEnd);
    m_output.write(m_line);
    ++m_rowsWritten;
}

JsonLinesWriter::JsonLinesWriter(ByteOutput& output)
    : m_output(output)
{
}

void JsonLinesWriter::begin(const std::vector<OutputColumn>& columns)
{
    m_keys.clear();
    m_numbers.clear();
    for (const OutputColumn& column : columns) {
        QByteArray key(m_keys.empty() ? "{" : ",");
        appendJsonString(column.key, key);
        key.append(':');
        m_keys.push_back(key);
        m_numbers.push_back(column.kind == OutputColumn::Kind::Size);
    }
}

void JsonLinesWriter::row(const std::vector<Cell>& cells)
{
    m_line.resize(0);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        m_line.append(m_keys[i]);
        if (!cells[i].present)
            m_line.append("null");
        else if (m_numbers[i])
            m_line.append(cells[i].text);
        else
            appendJsonString(cells[i].text, m_line);
    }
    m_line.append(cells.empty() ? "{}\n" : "}\n");
    m_output.write(m_line);
    ++m_rowsWritten;
}

AlignedWriter::AlignedWriter(ByteOutput& output, AlignedStyle style,
                             std::function<void()> beforeLine)
    : m_output(output)
    , m_style(style)
    , m_beforeLine(std::move(beforeLine))
{
}

void AlignedWriter::begin(const std::vector<OutputColumn>& columns)
{
    m_kinds.clear();
    for (const OutputColumn& column : columns) {
        m_kinds.push_back(column.kind);
        m_table.addColumn(column.header);
    }
}

void AlignedWriter::row(const std::vector<Cell>& cells)
{
    // The first column is the row's own text, as the path is in the window's results.
    for (std::size_t i = 0; i < cells.size(); ++i) {
        QByteArrayView text = textOrEmpty(cells[i]);
        if (m_kinds[i] == OutputColumn::Kind::Path && !isValidUtf8(text)) {
            m_shown = QString::fromUtf8(text).toUtf8();
            text = m_shown;
        }
        if (i == 0) {
            m_table.appendUtf8Row(text);
            m_table.setChecked(m_table.rows() - 1, true); // as a finished run leaves every row
        } else {
            m_table.setSubItemUtf8(m_table.rows() - 1, static_cast<int>(i), text);
        }
    }
}

void AlignedWriter::finish()
{
    const std::vector<int> widths = measureColumnWidths(m_table, m_style);
    writeAlignedLines(m_table, m_style, widths, [&](QByteArrayView line) {
        if (m_beforeLine)
            m_beforeLine();
        m_output.write(line);
        ++m_rowsWritten;
    });
    if (m_style == AlignedStyle::Report && m_rowsWritten > 0)
        --m_rowsWritten; // the header line
    m_output.finish();
}

WorkbookWriter::WorkbookWriter(const QString& path, std::function<void()> waitStep,
                               std::function<void(quint64 leftOut)> tooMany)
    : m_path(path)
    , m_waitStep(std::move(waitStep))
    , m_tooMany(std::move(tooMany))
    // Written beside its place, so putting it there is one step.
    , m_sheet(std::make_unique<XlsxSheet>(QFileInfo(path).absolutePath()))
{
}

WorkbookWriter::~WorkbookWriter() = default;

void WorkbookWriter::begin(const std::vector<OutputColumn>& columns)
{
    m_kinds.clear();
    for (const OutputColumn& column : columns)
        m_kinds.push_back(column.kind);
    // Dates as date values, as the window's export writes them.
    if (const auto formats = spreadsheetDateFormats()) {
        m_sheet->setDateFormats(formats->dateTime, formats->dateOnly);
        m_dates = true;
    }
    for (std::size_t i = 0; i < columns.size(); ++i)
        m_sheet->set(1, static_cast<int>(i) + 1, columns[i].header);
}

void WorkbookWriter::row(const std::vector<Cell>& cells)
{
    if (m_nextRow > kSheetRows) {
        ++m_leftOut;
        return;
    }
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int column = static_cast<int>(i) + 1;
        const Cell& cell = cells[i];
        ResultsCell value;
        value.text = QString::fromUtf8(textOrEmpty(cell));
        if (m_kinds[i] == OutputColumn::Kind::Path) {
            value.isPath = true;
        } else if (m_kinds[i] == OutputColumn::Kind::Size) {
            if (!cell.present)
                continue;
            value.number = static_cast<double>(cell.size);
        } else if (m_kinds[i] == OutputColumn::Kind::Date && cell.present && m_dates) {
            if (const auto date = spreadsheetDateOf(cell.stamp))
                value.date = WorkbookDate{date->value, date->midnight};
        }
        placeResultsCell(*m_sheet, m_nextRow, column, value);
    }
    ++m_nextRow;
    ++m_rowsWritten;
}

void WorkbookWriter::finish()
{
    m_sheet->fitColumns();
    m_sheet->save(m_path, m_waitStep);
    if (m_leftOut > 0 && m_tooMany)
        m_tooMany(m_leftOut);
}

} // namespace quillfen::cli
