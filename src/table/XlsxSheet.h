#pragma once

// Layer table: the text table, its order and the writers that turn it into bytes; uses base,
// Qt Core, libxlsxwriter and ICU.

#include "table/WorkbookCells.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace quillfen {

// The rows and columns of one sheet.
inline constexpr int kSheetRows = 1048576;
inline constexpr int kSheetColumns = 16384;

// The only sheet of a new .xlsx file, written as its cells arrive: each row goes to the
// library's temporary file once a later row starts, and only the row being filled stays in
// memory, so a million rows cost little more than one. Every value is a text, a date or a
// number, never a formula.
class XlsxSheet final : public WorkbookCells {
public:
    // Fitted widths stop at Excel's own maximum column width, in characters; the
    // spreadsheet applications refuse a wider column.
    static constexpr double kMaxFittedWidth = 255;
    // The longest text a cell holds, in characters.
    static constexpr int kMaxCellText = 32767;

    // The library's temporary files, and the file until it is saved, go to `tempFolder`; empty
    // is the system's temporary folder. Saving is atomic when the file's place is on the same
    // file system. Throws a Failure when the sheet cannot be made.
    explicit XlsxSheet(const QString& tempFolder = {});
    ~XlsxSheet() override;
    XlsxSheet(const XlsxSheet&) = delete;
    XlsxSheet& operator=(const XlsxSheet&) = delete;

    // Rows are filled from the top down: the cells of the row being filled come in any order,
    // and a later text for the same cell replaces the earlier one; an empty text leaves the
    // cell empty. Throws a Failure for a cell outside the sheet, above the row being filled or
    // with a text longer than kMaxCellText.
    void set(int row, int column, const QString& text);

    // The number formats date values are shown with: one with the time, one for the date alone.
    // Until they are given, dates are set as their texts.
    void setDateFormats(const QString& dateTime, const QString& dateOnly);
    // A date value (days since 30 December 1899, the fraction the time of day) in the same
    // way as set(), shown with the date-only format when `dateOnly`. `text` is how it reads,
    // for the column's width.
    void setDate(int row, int column, double value, bool dateOnly, const QString& text);
    // A number in the same way as set(), in the general format; `text` is how it reads.
    void setNumber(int row, int column, double value, const QString& text);

    // WorkbookCells
    void setCell(int row, int column, const QString& text) override { set(row, column, text); }
    void setDateCell(int row, int column, double value, bool dateOnly, const QString& text) override
    {
        setDate(row, column, value, dateOnly, text);
    }
    void setNumberCell(int row, int column, double value, const QString& text) override
    {
        setNumber(row, column, value, text);
    }

    // Sets each column's width from its longest text so far; a column without any text keeps
    // the sheet's default width.
    void fitColumns();
    // The widths fitColumns() set, by column.
    const std::map<int, double>& columnWidths() const { return m_widths; }

    // Writes the file and puts it at `path`, replacing any file there only once it is complete;
    // a sheet is saved once. The file is put together on a worker thread while this one calls
    // `waitStep` (when given) every few milliseconds, at least once, so a window can go on
    // processing events. When `waitStep` throws, the worker is waited for and the exception
    // passed on. Throws a Failure when the file cannot be written. Either way nothing is left
    // behind and an earlier file at `path` stays as it was.
    void save(const QString& path, const std::function<void()>& waitStep = {});

private:
    // What a cell's format is when it holds no date: a text, or a number in the general format.
    static constexpr int kText = -1;
    static constexpr int kNumber = -2;

    struct RowCell {
        int column;
        std::size_t offset; // into m_rowText: the text, or how the value reads
        int format = kText; // a date's: into m_dateFormats
        double value = 0;
    };

    // Takes a cell into the row being filled (see set()).
    void place(int row, int column, const QString& text, int format, double value);

    // Hands the row being filled to the library and starts an empty one.
    void writeRow();

    QByteArray m_tempFolder; // the library keeps a pointer to it
    QString m_draft;         // where the library writes the file, until it is put in place
    lxw_workbook* m_workbook = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    std::vector<lxw_format*> m_dateFormats; // with the time, the date alone

    int m_row = 0;                   // the row being filled, 0 before the first
    std::string m_rowText;           // its texts as NUL-terminated UTF-8
    std::vector<RowCell> m_rowCells; // by column
    std::vector<int> m_longest;      // display width of the longest text, by column - 1
    std::map<int, double> m_widths;
};

} // namespace quillfen
