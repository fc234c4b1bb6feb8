#pragma once

// Layer cli: the command-line program; uses files, dates, table and base (Qt Core only).

#include "cli/Output.h"
#include "files/FileColumn.h"
#include "table/ColumnLayout.h"
#include "table/TextTable.h"

#include <QByteArrayView>
#include <QString>

#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace quillfen {
class XlsxSheet;
}

namespace quillfen::cli {

// One cell of a row: whether the file has a value there (an entry that cannot be read has
// none, nor has a file system without birth times a created date), its text (a path's are
// its bytes, UTF-8 or not) and, for the formats that keep values, a date's stamp or the size.
struct Cell {
    bool present = false;
    QByteArrayView text;
    timespec stamp{};
    quint64 size = 0;
};

// A column of the output: what its cells hold, which decides how a format writes them (a
// path as the window shows names, a size as a number, a date as a date value), and its
// headers: as people read them, in English for csv and tsv, and its jsonl key.
struct OutputColumn {
    enum class Kind { Text, Path, Size, Date };
    Kind kind = Kind::Text;
    QString header;
    QString englishHeader;
    QByteArray key;
};

// A file's column, headed as the window heads its own.
OutputColumn outputColumnOf(FileColumn column);

// Turns rows into one output format.
class RowWriter {
public:
    virtual ~RowWriter() = default;
    virtual void begin(const std::vector<OutputColumn>& columns) = 0;
    // `cells` has one cell per column given to begin(), in that order.
    virtual void row(const std::vector<Cell>& cells) = 0;
    // Writes what is kept and finishes the output.
    virtual void finish() = 0;
    // Whether a name that is not UTF-8 reaches the output exactly; where it does not, each
    // byte that is not part of UTF-8 shows as U+FFFD, as the window would show it.
    virtual bool keepsAnyName() const = 0;
    // How many rows reached the output so far.
    quint64 rowsWritten() const { return m_rowsWritten; }

protected:
    quint64 m_rowsWritten = 0;
};

// A header row and a line per file, fields separated by one character: csv (RFC 4180, fields
// quoted where needed, CR LF, optionally after a byte order mark) or tsv (escapes in place of
// TAB, line ends, backslash and bytes that are not UTF-8, LF; see appendTsvField).
class DelimitedWriter final : public RowWriter {
public:
    enum class Kind { Csv, Tsv };
    DelimitedWriter(ByteOutput& output, Kind kind, bool byteOrderMark = false);
    void begin(const std::vector<OutputColumn>& columns) override;
    void row(const std::vector<Cell>& cells) override;
    void finish() override { m_output.finish(); }
    bool keepsAnyName() const override { return true; }

private:
    ByteOutput& m_output;
    char m_separator;
    const char* m_lineEnd;
    void (*m_field)(QByteArrayView field, QByteArray& out);
    bool m_byteOrderMark;
    QByteArray m_line;
};

// One JSON object per line, a member per column named by its word ("path", "size",
// "modified"...): texts as strings, the size as a number, null where there is no value.
class JsonLinesWriter final : public RowWriter {
public:
    explicit JsonLinesWriter(ByteOutput& output);
    void begin(const std::vector<OutputColumn>& columns) override;
    void row(const std::vector<Cell>& cells) override;
    void finish() override { m_output.finish(); }
    bool keepsAnyName() const override { return true; }

private:
    ByteOutput& m_output;
    std::vector<QByteArray> m_keys; // "{"path": and ,"size": and so on
    std::vector<bool> m_numbers;    // by column: whether its value is written as a number
    QByteArray m_line;
};

// The window's text report or clipboard text: every row is kept until the widths are known.
// `beforeLine` runs before each line is written.
class AlignedWriter final : public RowWriter {
public:
    AlignedWriter(ByteOutput& output, AlignedStyle style, std::function<void()> beforeLine);
    void begin(const std::vector<OutputColumn>& columns) override;
    void row(const std::vector<Cell>& cells) override;
    void finish() override;
    bool keepsAnyName() const override { return false; }

private:
    ByteOutput& m_output;
    AlignedStyle m_style;
    std::function<void()> m_beforeLine;
    TextTable m_table;
    std::vector<OutputColumn::Kind> m_kinds;
    QByteArray m_shown; // a name as the window shows it, where its bytes are not UTF-8
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
    void begin(const std::vector<OutputColumn>& columns) override;
    void row(const std::vector<Cell>& cells) override;
    void finish() override;
    bool keepsAnyName() const override { return false; }

private:
    QString m_path;
    std::function<void()> m_waitStep;
    std::function<void(quint64)> m_tooMany;
    std::unique_ptr<XlsxSheet> m_sheet;
    std::vector<OutputColumn::Kind> m_kinds;
    bool m_dates = false; // whether date cells hold date values
    int m_nextRow = 2;
    quint64 m_leftOut = 0;
};

} // namespace quillfen::cli
