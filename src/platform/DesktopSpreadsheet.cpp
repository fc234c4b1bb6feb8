#include "platform/DesktopSpreadsheet.h"

#include "platform/BesideWindow.h"
#include "platform/Failure.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <unistd.h>

namespace quillfen {

namespace {

// Long enough for a slow desktop database, short enough that the window, which waits for the
// answer, does not seem to hang.
constexpr int kQueryTimeoutMs = 3000;

// The spreadsheet application has long read an export's file after a day; a newer one is
// left alone, as a desktop default may still have it open as its document.
constexpr qint64 kOldWorkbookSeconds = 24 * 60 * 60;

const QString kWorkbookFilePrefix = QStringLiteral("quillfen-results-");

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
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p != 0) {
        char32_t c = *p;
        int more = 0;
        if (c >= 0xF0) {
            c &= 0x07;
            more = 3;
        } else if (c >= 0xE0) {
            c &= 0x0F;
            more = 2;
        } else if (c >= 0xC0) {
            c &= 0x1F;
            more = 1;
        }
        ++p;
        for (; more > 0 && (*p & 0xC0) == 0x80; --more, ++p)
            c = (c << 6) | (*p & 0x3F);
        width += isWide(c) ? 2 : 1;
    }
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

class DesktopWorkbook final : public SpreadsheetWorkbook {
public:
    explicit DesktopWorkbook(const QString& tempFolder)
        : m_sheet(tempFolder)
    {
    }
    void setCell(int row, int column, const QString& text) override
    {
        m_sheet.set(row, column, text);
    }
    void autoFitColumns() override { m_sheet.fitColumns(); }
    XlsxSheet& sheet() { return m_sheet; }

private:
    XlsxSheet m_sheet;
};

// A fresh, empty file of our own in `folder`; it is not removed again, because the
// spreadsheet application opens it after this program may have ended.
QString newWorkbookFile(const QString& folder)
{
    QTemporaryFile file(folder + QLatin1Char('/') + kWorkbookFilePrefix
                        + QStringLiteral("XXXXXX.xlsx"));
    file.setAutoRemove(false);
    if (!file.open())
        throw Failure(QStringLiteral("Cannot create a temporary file in %1: %2")
                          .arg(QDir::toNativeSeparators(folder), file.errorString()));
    return file.fileName();
}

// Removes the files that earlier exports of this user left in `folder` and that are more
// than a day old; a file that will not go is left for the next time.
void removeOldWorkbookFiles(const QString& folder)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QFileInfoList files = QDir(folder).entryInfoList(
        {kWorkbookFilePrefix + QStringLiteral("*.xlsx")}, QDir::Files | QDir::NoSymLinks);
    for (const QFileInfo& file : files) {
        if (file.ownerId() == ::geteuid() && file.lastModified().secsTo(now) > kOldWorkbookSeconds)
            QFile::remove(file.filePath());
    }
}

class DesktopSpreadsheetInstance final : public SpreadsheetInstance {
public:
    DesktopSpreadsheetInstance(ProcessLauncher& launcher, SpreadsheetCommand command,
                               QString tempFolder, std::optional<SpreadsheetCommand>& found)
        : m_launcher(launcher)
        , m_command(std::move(command))
        , m_tempFolder(std::move(tempFolder))
        , m_found(found)
    {
    }

    SpreadsheetWorkbook& addWorkbook() override
    {
        m_workbooks.push_back(std::make_unique<DesktopWorkbook>(m_tempFolder));
        return *m_workbooks.back();
    }

    void setWaitStep(std::function<void()> step) override { m_waitStep = std::move(step); }

    // Each workbook not yet shown gets its own file and its own start of the application.
    void setVisible() override
    {
        for (; m_shown < m_workbooks.size(); ++m_shown)
            show(*m_workbooks[m_shown]);
    }

private:
    void show(DesktopWorkbook& workbook)
    {
        // The next export asks the desktop afresh, in case its applications changed.
        m_found.reset();
        removeOldWorkbookFiles(m_tempFolder);
        const QString file = newWorkbookFile(m_tempFolder);
        try {
            workbook.sheet().save(file, m_waitStep);
        } catch (...) {
            QFile::remove(file);
            throw;
        }
        if (!m_launcher.startDetached(m_command.program, m_command.arguments + QStringList(file))) {
            QFile::remove(file);
            throw Failure(QStringLiteral("Cannot start the spreadsheet application %1")
                              .arg(QDir::toNativeSeparators(m_command.program)));
        }
    }

    ProcessLauncher& m_launcher;
    const SpreadsheetCommand m_command;
    const QString m_tempFolder;
    std::optional<SpreadsheetCommand>& m_found;
    std::function<void()> m_waitStep;
    std::vector<std::unique_ptr<DesktopWorkbook>> m_workbooks;
    std::size_t m_shown = 0;
};

} // namespace

XlsxSheet::XlsxSheet(const QString& tempFolder)
    : m_tempFolder(QFile::encodeName(tempFolder))
{
    // Rows go to disk as soon as a later one starts, so a million rows need little memory;
    // texts are then stored in their cells rather than in a shared table.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = m_tempFolder.isEmpty() ? nullptr : m_tempFolder.data();
    // The file is named when the sheet is saved; until then it has no name the library could
    // open.
    m_workbook = workbook_new_opt("", &options);
    if (m_workbook == nullptr)
        throw Failure(QStringLiteral("Cannot create a workbook"));
    m_sheet = workbook_add_worksheet(m_workbook, nullptr);
    if (m_sheet == nullptr) {
        lxw_workbook_free(m_workbook);
        throw Failure(QStringLiteral("Cannot add a sheet to the workbook: no temporary file "
                                     "can be made in %1")
                          .arg(QDir::toNativeSeparators(tempFolder.isEmpty() ? QDir::tempPath()
                                                                             : tempFolder)));
    }
}

XlsxSheet::~XlsxSheet()
{
    // A sheet never saved is dropped with the library's temporary files.
    if (m_workbook != nullptr)
        lxw_workbook_free(m_workbook);
}

void XlsxSheet::set(int row, int column, const QString& text)
{
    if (row < 1 || row > kSheetRows || column < 1 || column > kSheetColumns)
        throw Failure(QStringLiteral("The cell at row %1, column %2 lies outside the sheet, which "
                                     "holds %3 rows and %4 columns")
                          .arg(row)
                          .arg(column)
                          .arg(kSheetRows)
                          .arg(kSheetColumns));
    if (row < m_row)
        throw Failure(QStringLiteral("The cell at row %1, column %2 cannot be set any more: the "
                                     "sheet is filled from the top down and row %3 has begun")
                          .arg(row)
                          .arg(column)
                          .arg(m_row));
    if (m_workbook == nullptr)
        throw Failure(QStringLiteral("The workbook has been saved already"));
    const QByteArray utf8 = text.toUtf8();
    if (lxw_utf8_strlen(utf8.constData()) > static_cast<std::size_t>(kMaxCellText))
        throw Failure(QStringLiteral("The text for the cell at row %1, column %2 is longer than "
                                     "the %3 characters a cell holds")
                          .arg(row)
                          .arg(column)
                          .arg(kMaxCellText));
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
        at->offset = offset; // the earlier text stays in the buffer until the row is written
    else
        m_rowCells.insert(at, RowCell{column, offset});
}

void XlsxSheet::writeRow()
{
    struct Clear {
        XlsxSheet& sheet;
        ~Clear()
        {
            sheet.m_rowCells.clear();
            sheet.m_rowText.clear();
        }
    } clear{*this};
    std::string buffer;
    for (const RowCell& cell : m_rowCells) {
        const char* const text = m_rowText.data() + cell.offset;
        if (*text == 0)
            continue; // an empty text leaves the cell empty
        widen(m_longest, cell.column, text);
        const lxw_error error = worksheet_write_string(m_sheet, static_cast<lxw_row_t>(m_row - 1),
                                                       static_cast<lxw_col_t>(cell.column - 1),
                                                       withEscapesProtected(text, buffer), nullptr);
        if (error != LXW_NO_ERROR)
            throw Failure(QStringLiteral("Cannot set the cell at row %1, column %2: %3")
                              .arg(m_row)
                              .arg(cell.column)
                              .arg(xlsxError(error)));
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
        throw Failure(QStringLiteral("The workbook has been saved already"));
    const auto fail = [&](const QString& why) {
        QFile::remove(path);
        return Failure(QStringLiteral("Cannot write the workbook %1: %2")
                           .arg(QDir::toNativeSeparators(path), why));
    };
    writeRow();
    for (const auto& [column, width] : m_widths) {
        const auto col = static_cast<lxw_col_t>(column - 1);
        const lxw_error error = worksheet_set_column(m_sheet, col, col, width, nullptr);
        if (error != LXW_NO_ERROR)
            throw fail(xlsxError(error));
    }
    // The library takes the file name when the workbook is made but opens the file only in
    // workbook_close(), so the name is put in place now.
    char* const name = ::strdup(QFile::encodeName(path).constData());
    if (name == nullptr)
        throw fail(QStringLiteral("out of memory"));
    std::free(m_workbook->filename);
    m_workbook->filename = name;

    // workbook_close() frees the workbook whatever it answers; from here on it belongs to the
    // worker, which alone touches it.
    lxw_workbook* const workbook = std::exchange(m_workbook, nullptr);
    m_sheet = nullptr;
    lxw_error error = LXW_NO_ERROR;
    try {
        error = runBesideWindow([workbook] { return workbook_close(workbook); }, waitStep);
    } catch (...) {
        // The library cannot be stopped halfway; its file goes once it is done with it.
        QFile::remove(path);
        throw;
    }
    if (error != LXW_NO_ERROR)
        throw fail(xlsxError(error));
}

QString QtProcessLauncher::findExecutable(const QString& program)
{
    return QStandardPaths::findExecutable(program);
}

QString QtProcessLauncher::output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(kQueryTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool QtProcessLauncher::startDetached(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

SpreadsheetCommand findSpreadsheetCommand(ProcessLauncher& launcher)
{
    for (const QString& name : {QStringLiteral("soffice"), QStringLiteral("libreoffice")}) {
        const QString program = launcher.findExecutable(name);
        // -n opens the file as a template: the user gets a new, untitled document and the
        // temporary file is never saved over.
        if (!program.isEmpty())
            return {program, {QStringLiteral("--calc"), QStringLiteral("-n")}};
    }
    const QString query = launcher.findExecutable(QStringLiteral("xdg-mime"));
    const QString open = launcher.findExecutable(QStringLiteral("xdg-open"));
    if (!query.isEmpty() && !open.isEmpty()) {
        const QStringList arguments{QStringLiteral("query"), QStringLiteral("default"),
                                    kXlsxMimeType};
        const QString handler = launcher.output(query, arguments).trimmed();
        if (!handler.isEmpty())
            return {open, {}};
    }
    throw Failure(QStringLiteral(
        "No spreadsheet application was found: LibreOffice (soffice or libreoffice) is not on "
        "the PATH, and the desktop names no default application for .xlsx files."));
}

DesktopSpreadsheetApp::DesktopSpreadsheetApp(std::unique_ptr<ProcessLauncher> launcher,
                                             QString tempFolder)
    : m_launcher(std::move(launcher))
    , m_tempFolder(tempFolder.isEmpty()
                       ? QStandardPaths::writableLocation(QStandardPaths::TempLocation)
                       : std::move(tempFolder))
{
}

std::unique_ptr<SpreadsheetInstance> DesktopSpreadsheetApp::start()
{
    if (!m_found)
        m_found = findSpreadsheetCommand(*m_launcher);
    return std::make_unique<DesktopSpreadsheetInstance>(*m_launcher, *m_found, m_tempFolder,
                                                        m_found);
}

} // namespace quillfen
