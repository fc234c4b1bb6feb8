#pragma once

// Layer cli: the command-line program; uses files, dates, table and base (Qt Core only).

#include "cli/Output.h"
#include "files/FileTimes.h"
#include "table/ColumnLayout.h"
#include "table/TextTable.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace quillfen {
class XlsxSheet;
}

namespace quillfen::cli {

// One date cell: whether the file has that date (it may keep none, or not be readable), its
// text and its time stamp.
struct DateCell {
    bool present = false;
    QByteArrayView text;
    timespec stamp{};
};

// Turns rows into one output format: the path's column "Filename", then one column per date,
// with the window's headers.
class RowWriter {
public:
    virtual ~RowWriter() = default;
    virtual void begin(const std::vector<StampKind>& dates) = 0;
    // `dates` has one cell per date given to begin(), in that order.
    virtual void row(QByteArrayView path, const std::vector<DateCell>& dates) = 0;
    // Writes what is kept and finishes the output.
    virtual void finish() = 0;
    // How many rows reached the output so far.
    quint64 rowsWritten() const { return m_rowsWritten; }

protected:
    quint64 m_rowsWritten = 0;
};

// RFC 4180: a header row, fields quoted where needed, CR LF; optionally after a byte order mark.
class CsvWriter final : public RowWriter {
public:
    CsvWriter(ByteOutput& output, bool byteOrderMark);
    void begin(const std::vector<StampKind>& dates) override;
    void row(QByteArrayView path, const std::vector<DateCell>& dates) override;
    void finish() override { m_output.finish(); }

private:
    ByteOutput& m_output;
    bool m_byteOrderMark;
    QByteArray m_line;
};

// One JSON object per line: "path", then one member per date named by its word
// ("modified"...), null where there is none.
class JsonLinesWriter final : public RowWriter {
public:
    explicit JsonLinesWriter(ByteOutput& output);
    void begin(const std::vector<StampKind>& dates) override;
    void row(QByteArrayView path, const std::vector<DateCell>& dates) override;
    void finish() override { m_output.finish(); }

private:
    ByteOutput& m_output;
    std::vector<QByteArray> m_keys; // "modified": and so on
    QByteArray m_line;
};

// The window's text report or clipboard text: every row is kept until the widths are known.
// `beforeLine` runs before each line is written.
class AlignedWriter final : public RowWriter {
public:
    AlignedWriter(ByteOutput& output, AlignedStyle style, std::function<void()> beforeLine);
    void begin(const std::vector<StampKind>& dates) override;
    void row(QByteArrayView path, const std::vector<DateCell>& dates) override;
    void finish() override;

private:
    ByteOutput& m_output;
    AlignedStyle m_style;
    std::function<void()> m_beforeLine;
    TextTable m_table;
};

// The window's workbook: headers in row 1, a row per file below, columns fitted. Rows past
// the sheet's last are left out, and said through `tooMany` with how many.
class WorkbookWriter final : public RowWriter {
public:
    // The workbook is written beside `path` and put there when complete; `waitStep` runs
    // while it is written.
    WorkbookWriter(const QString& path, std::function<void()> waitStep,
                   std::function<void(quint64 leftOut)> tooMany);
    ~WorkbookWriter() override;
    void begin(const std::vector<StampKind>& dates) override;
    void row(QByteArrayView path, const std::vector<DateCell>& dates) override;
    void finish() override;

private:
    QString m_path;
    std::function<void()> m_waitStep;
    std::function<void(quint64)> m_tooMany;
    std::unique_ptr<XlsxSheet> m_sheet;
    bool m_dates = false; // whether date cells hold date values
    int m_nextRow = 2;
    quint64 m_leftOut = 0;
};

} // namespace quillfen::cli
