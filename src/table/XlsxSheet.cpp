#include "table/XlsxSheet.h"
#include "base/Texts.h"

#include "base/Failure.h"
#include "base/OffThread.h"
#include "base/Utf8.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace quillfen {

namespace {

// Room for proportional glyphs wider than the digit the width unit is based on.
constexpr int kWidthPadding = 2;

bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F)
        || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF)
        || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// Width of UTF-8 text in character units: one per character, two for East Asian wide ones.
int displayWidth(const char* text)
{
    int width = 0;
    forEachCodePoint(QByteArrayView(text), [&](char32_t c) {
        width += isWide(c) ? 2 : 1;
        return true;
    });
    return width;
}

// Makes the longest display width of `column` (from 1), kept by column - 1, take in `text`.
void widen(std::vector<int>& longest, int column, const char* text)
{
    const auto index = static_cast<std::size_t>(column - 1);
    if (index >= longest.size())
        longest.resize(index + 1, 0);
    longest[index] = std::max(longest[index], displayWidth(text));
}

// The file format writes a control character as _xHHHH_, which readers decode, so a text
// that holds such a sequence itself keeps it only with its underscore escaped as _x005F_.
const char* withEscapesProtected(const char* text, std::string& buffer)
{
    if (std::strstr(text, "_x") == nullptr)
        return text;
    const auto hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    buffer.clear();
    for (const char* p = text; *p != 0; ++p) {
        if (p[0] == '_' && p[1] == 'x' && hex(p[2]) && hex(p[3]) && hex(p[4]) && hex(p[5])
            && p[6] == '_')
            buffer.append("_x005F");
        buffer.push_back(*p);
    }
    return buffer.c_str();
}

QString xlsxError(lxw_error error)
{
    return QString::fromUtf8(lxw_strerror(error));
}

// Moves the finished draft to `path` in one step (on the same file system), giving it the
// permissions a file made there would get: those of the file it replaces, or the usual ones.
template <typename Fail> void putInPlace(const QString& draft, const QString& path, Fail fail)
{
    const QFileInfo earlier(path);
    const QFile::Permissions permissions = earlier.exists()
        ? earlier.permissions()
        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    QFile::setPermissions(draft, permissions);
    if (::rename(QFile::encodeName(draft).constData(), QFile::encodeName(path).constData()) == 0)
        return;
    const int error = errno;
    if (error == EXDEV) {
        // Another file system: copied through a file of its own beside the target.
        QFile source(draft);
        QSaveFile target(path);
        if (source.open(QIODevice::ReadOnly) && target.open(QIODevice::WriteOnly)) {
            while (!source.atEnd() && target.write(source.read(1 << 20)) >= 0) {
            }
            if (source.error() == QFile::NoError && target.commit())
                return;
        }
        throw fail(target.errorString());
    }
    throw fail(QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

XlsxSheet::XlsxSheet(const QString& tempFolder)
    : m_tempFolder(QFile::encodeName(tempFolder))
{
    const QString folder = tempFolder.isEmpty() ? QDir::tempPath() : tempFolder;
    // The library takes the file's name when the workbook is made and writes it only when it
    // is closed: it gets a draft of its own, which saving puts in place.
    QTemporaryFile draft(folder + QStringLiteral("/.quillfen-sheet-XXXXXX.xlsx"));
    draft.setAutoRemove(false);
    if (!draft.open())
        throw Failure(texts::kCannotCreateWorkbook().arg(QDir::toNativeSeparators(folder),
                                                         draft.errorString()));
    m_draft = draft.fileName();
    draft.close();

    // Rows go to disk as soon as a later one starts, so a million rows need little memory;
    // texts are then stored in their cells rather than in a shared table.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = m_tempFolder.isEmpty() ? nullptr : m_tempFolder.data();
    m_workbook = workbook_new_opt(QFile::encodeName(m_draft).constData(), &options);
    m_sheet = m_workbook != nullptr ? workbook_add_worksheet(m_workbook, nullptr) : nullptr;
    if (m_sheet == nullptr) {
        if (m_workbook != nullptr)
            lxw_workbook_free(m_workbook);
        QFile::remove(m_draft);
        throw Failure(texts::kCannotAddSheet().arg(QDir::toNativeSeparators(folder)));
    }
}

XlsxSheet::~XlsxSheet()
{
    // A sheet never saved is dropped with the library's temporary files and its draft.
    if (m_workbook != nullptr)
        lxw_workbook_free(m_workbook);
    if (!m_draft.isEmpty())
        QFile::remove(m_draft);
}

void XlsxSheet::set(int row, int column, const QString& text)
{
    place(row, column, text, kText, 0);
}

void XlsxSheet::setNumber(int row, int column, double value, const QString& text)
{
    place(row, column, text, kNumber, value);
}

void XlsxSheet::setDateFormats(const QString& dateTime, const QString& dateOnly)
{
    if (m_workbook == nullptr)
        throw Failure(texts::kWorkbookSaved());
    m_dateFormats.clear();
    for (const QString& code : {dateTime, dateOnly}) {
        lxw_format* const format = workbook_add_format(m_workbook);
        if (format == nullptr)
            throw Failure(texts::kCannotAddDateFormat());
        format_set_num_format(format, code.toUtf8().constData());
        m_dateFormats.push_back(format);
    }
}

void XlsxSheet::setDate(int row, int column, double value, bool dateOnly, const QString& text)
{
    if (m_dateFormats.empty())
        place(row, column, text, kText, 0);
    else
        place(row, column, text, dateOnly ? 1 : 0, value);
}

void XlsxSheet::place(int row, int column, const QString& text, int format, double value)
{
    if (row < 1 || row > kSheetRows || column < 1 || column > kSheetColumns)
        throw Failure(
            texts::kCellOutsideSheet().arg(row).arg(column).arg(kSheetRows).arg(kSheetColumns));
    if (row < m_row)
        throw Failure(texts::kCellTooHigh().arg(row).arg(column).arg(m_row));
    if (m_workbook == nullptr)
        throw Failure(texts::kWorkbookSaved());
    const QByteArray utf8 = text.toUtf8();
    if (lxw_utf8_strlen(utf8.constData()) > static_cast<std::size_t>(kMaxCellText))
        throw Failure(texts::kCellTextTooLong().arg(row).arg(column).arg(kMaxCellText));
    if (row > m_row) {
        writeRow();
        m_row = row;
    }
    const auto at = std::lower_bound(m_rowCells.begin(), m_rowCells.end(), column,
                                     [](const RowCell& cell, int c) { return cell.column < c; });
    const std::size_t offset = m_rowText.size();
    m_rowText.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    m_rowText.push_back('\0');
    if (at != m_rowCells.end() && at->column == column)
        *at = RowCell{column, offset, format, value}; // the earlier text stays until written
    else
        m_rowCells.insert(at, RowCell{column, offset, format, value});
}

void XlsxSheet::writeRow()
{
    const auto clear = qScopeGuard([this] {
        m_rowCells.clear();
        m_rowText.clear();
    });
    std::string buffer;
    for (const RowCell& cell : m_rowCells) {
        const char* const text = m_rowText.data() + cell.offset;
        if (*text == 0)
            continue; // an empty text leaves the cell empty
        widen(m_longest, cell.column, text);
        const auto row = static_cast<lxw_row_t>(m_row - 1);
        const auto column = static_cast<lxw_col_t>(cell.column - 1);
        lxw_error error = LXW_NO_ERROR;
        if (cell.format >= 0)
            error = worksheet_write_number(m_sheet, row, column, cell.value,
                                           m_dateFormats[static_cast<std::size_t>(cell.format)]);
        else if (cell.format == kNumber)
            error = worksheet_write_number(m_sheet, row, column, cell.value, nullptr);
        else
            error = worksheet_write_string(m_sheet, row, column, withEscapesProtected(text, buffer),
                                           nullptr);
        if (error != LXW_NO_ERROR)
            throw Failure(
                texts::kCannotSetCell().arg(m_row).arg(cell.column).arg(xlsxError(error)));
    }
}

void XlsxSheet::fitColumns()
{
    // The row being filled counts too, though the library has not had it yet.
    std::vector<int> longest = m_longest;
    for (const RowCell& cell : m_rowCells)
        widen(longest, cell.column, m_rowText.data() + cell.offset);
    m_widths.clear();
    for (std::size_t index = 0; index < longest.size(); ++index) {
        if (longest[index] > 0)
            m_widths[static_cast<int>(index) + 1] =
                std::min<double>(longest[index] + kWidthPadding, kMaxFittedWidth);
    }
}

void XlsxSheet::save(const QString& path, const std::function<void()>& waitStep)
{
    if (m_workbook == nullptr)
        throw Failure(texts::kWorkbookSaved());
    const auto fail = [&](const QString& why) {
        return Failure(texts::kCannotWriteWorkbook().arg(QDir::toNativeSeparators(path), why));
    };
    writeRow();
    for (const auto& [column, width] : m_widths) {
        const auto col = static_cast<lxw_col_t>(column - 1);
        const lxw_error error = worksheet_set_column(m_sheet, col, col, width, nullptr);
        if (error != LXW_NO_ERROR)
            throw fail(xlsxError(error));
    }

    // workbook_close() frees the workbook whatever it answers; from here on it belongs to the
    // worker, which alone touches it. The library cannot be stopped halfway, so a caller whose
    // wait step throws waits for it too.
    lxw_workbook* const workbook = std::exchange(m_workbook, nullptr);
    m_sheet = nullptr;
    const auto dropDraft = qScopeGuard([this] {
        if (!m_draft.isEmpty())
            QFile::remove(m_draft);
        m_draft.clear();
    });
    const lxw_error error = runOffThread([workbook] { return workbook_close(workbook); }, waitStep);
    if (error != LXW_NO_ERROR)
        throw fail(xlsxError(error));
    putInPlace(m_draft, path, fail);
    m_draft.clear(); // it is the file now
}

} // namespace quillfen
