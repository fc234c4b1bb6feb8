#include "cli/RowWriters.h"

#include "base/Texts.h"
#include "dates/SpreadsheetDates.h"
#include "table/RecordText.h"
#include "table/XlsxSheet.h"

#include <QFileInfo>

namespace quillfen::cli {

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

QByteArrayView cellOrEmpty(const DateCell& cell)
{
    return cell.present ? cell.text : QByteArrayView();
}

} // namespace

CsvWriter::CsvWriter(ByteOutput& output, bool byteOrderMark)
    : m_output(output)
    , m_byteOrderMark(byteOrderMark)
{
}

void CsvWriter::begin(const std::vector<StampKind>& dates)
{
    if (m_byteOrderMark)
        m_output.write(kByteOrderMark);
    m_line.resize(0);
    appendCsvField(texts::kFilenameColumn.english().toUtf8(), m_line);
    for (const StampKind kind : dates) {
        m_line.append(',');
        appendCsvField(stampHeader(kind).english().toUtf8(), m_line);
    }
    m_line.append(kLineEnd);
    m_output.write(m_line);
}

void CsvWriter::row(QByteArrayView path, const std::vector<DateCell>& dates)
{
    m_line.resize(0);
    appendCsvField(path, m_line);
    for (const DateCell& cell : dates) {
        m_line.append(',');
        appendCsvField(cellOrEmpty(cell), m_line);
    }
    m_line.append(kLineEnd);
    m_output.write(m_line);
    ++m_rowsWritten;
}

JsonLinesWriter::JsonLinesWriter(ByteOutput& output)
    : m_output(output)
{
}

void JsonLinesWriter::begin(const std::vector<StampKind>& dates)
{
    m_keys.clear();
    for (const StampKind kind : dates) {
        QByteArray key(",");
        appendJsonString(stampWord(kind), key);
        key.append(':');
        m_keys.push_back(key);
    }
}

void JsonLinesWriter::row(QByteArrayView path, const std::vector<DateCell>& dates)
{
    m_line = "{\"path\":";
    appendJsonString(path, m_line);
    for (std::size_t i = 0; i < dates.size(); ++i) {
        m_line.append(m_keys[i]);
        if (dates[i].present)
            appendJsonString(dates[i].text, m_line);
        else
            m_line.append("null");
    }
    m_line.append("}\n");
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

void AlignedWriter::begin(const std::vector<StampKind>& dates)
{
    m_table.addColumn(texts::kFilenameColumn());
    for (const StampKind kind : dates)
        m_table.addColumn(stampHeader(kind)());
}

void AlignedWriter::row(QByteArrayView path, const std::vector<DateCell>& dates)
{
    m_table.appendUtf8Row(path);
    const int row = m_table.rows() - 1;
    m_table.setChecked(row, true); // as a finished run leaves every row
    for (std::size_t i = 0; i < dates.size(); ++i)
        m_table.setSubItemUtf8(row, static_cast<int>(i) + 1, cellOrEmpty(dates[i]));
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

void WorkbookWriter::begin(const std::vector<StampKind>& dates)
{
    // Dates as date values, as the window's export writes them.
    if (const auto formats = spreadsheetDateFormats()) {
        m_sheet->setDateFormats(formats->dateTime, formats->dateOnly);
        m_dates = true;
    }
    m_sheet->set(1, 1, texts::kFilenameColumn());
    int column = 2;
    for (const StampKind kind : dates)
        m_sheet->set(1, column++, stampHeader(kind)());
}

void WorkbookWriter::row(QByteArrayView path, const std::vector<DateCell>& dates)
{
    if (m_nextRow > kSheetRows) {
        ++m_leftOut;
        return;
    }
    m_sheet->set(m_nextRow, 1, QString::fromUtf8(path));
    for (std::size_t i = 0; i < dates.size(); ++i) {
        const int column = static_cast<int>(i) + 2;
        const QString text = QString::fromUtf8(cellOrEmpty(dates[i]));
        const auto date =
            dates[i].present && m_dates ? spreadsheetDateOf(dates[i].stamp) : std::nullopt;
        if (date)
            m_sheet->setDate(m_nextRow, column, date->value, date->midnight, text);
        else
            m_sheet->set(m_nextRow, column, resultsCellText(column, text));
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
