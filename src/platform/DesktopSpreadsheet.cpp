#include "platform/DesktopSpreadsheet.h"

#include "platform/Failure.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <numeric>

namespace quillfen {

namespace {

// Long enough for a slow desktop database, short enough not to hang the window for good.
constexpr int kQueryTimeoutMs = 5000;

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
    void setCell(int row, int column, const QString& text) override
    {
        m_cells.set(row, column, text);
    }
    void autoFitColumns() override { m_cells.fitColumns(); }
    const WorkbookCells& cells() const { return m_cells; }

private:
    WorkbookCells m_cells;
};

// A fresh, empty file of our own in `folder`; it is not removed again, because the
// spreadsheet application opens it after this program may have ended.
QString newWorkbookFile(const QString& folder)
{
    QTemporaryFile file(folder + QStringLiteral("/quillfen-results-XXXXXX.xlsx"));
    file.setAutoRemove(false);
    if (!file.open())
        throw Failure(QStringLiteral("Cannot create a temporary file in %1: %2")
                          .arg(QDir::toNativeSeparators(folder), file.errorString()));
    return file.fileName();
}

class DesktopSpreadsheetInstance final : public SpreadsheetInstance {
public:
    DesktopSpreadsheetInstance(ProcessLauncher& launcher, SpreadsheetCommand command,
                               QString tempFolder)
        : m_launcher(launcher)
        , m_command(std::move(command))
        , m_tempFolder(std::move(tempFolder))
    {
    }

    SpreadsheetWorkbook& addWorkbook() override
    {
        m_workbooks.push_back(std::make_unique<DesktopWorkbook>());
        return *m_workbooks.back();
    }

    // Each workbook not yet shown gets its own file and its own start of the application.
    void setVisible() override
    {
        for (; m_shown < m_workbooks.size(); ++m_shown)
            show(*m_workbooks[m_shown]);
    }

private:
    void show(const DesktopWorkbook& workbook)
    {
        const QString file = newWorkbookFile(m_tempFolder);
        try {
            writeXlsx(workbook.cells(), file);
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
    std::vector<std::unique_ptr<DesktopWorkbook>> m_workbooks;
    std::size_t m_shown = 0;
};

} // namespace

void WorkbookCells::set(int row, int column, const QString& text)
{
    if (row < 1 || row > kSheetRows || column < 1 || column > kSheetColumns)
        throw Failure(QStringLiteral("The cell at row %1, column %2 lies outside the sheet, which "
                                     "holds %3 rows and %4 columns")
                          .arg(row)
                          .arg(column)
                          .arg(kSheetRows)
                          .arg(kSheetColumns));
    if (!m_cells.empty()) {
        const Cell& last = m_cells.back();
        if (row < last.row || (row == last.row && column <= last.column))
            m_ordered = false;
    }
    m_cells.push_back(Cell{row, column, m_text.size()});
    m_text.append(text.toUtf8().constData());
    m_text.push_back('\0');
}

void WorkbookCells::forEachCell(
    const std::function<void(int row, int column, const char* text)>& visit) const
{
    if (m_ordered) {
        for (const Cell& cell : m_cells)
            visit(cell.row, cell.column, m_text.data() + cell.offset);
        return;
    }
    std::vector<std::size_t> order(m_cells.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto key = [&](std::size_t i) { return std::pair(m_cells[i].row, m_cells[i].column); };
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    for (std::size_t at = 0; at < order.size(); ++at) {
        if (at + 1 < order.size() && key(order[at + 1]) == key(order[at]))
            continue; // a later text replaced this one
        const Cell& cell = m_cells[order[at]];
        visit(cell.row, cell.column, m_text.data() + cell.offset);
    }
}

void WorkbookCells::fitColumns()
{
    std::map<int, int> longest;
    forEachCell([&](int, int column, const char* text) {
        if (*text == 0)
            return;
        int& width = longest[column];
        width = std::max(width, displayWidth(text));
    });
    m_widths.clear();
    for (const auto& [column, width] : longest)
        m_widths[column] = std::min<double>(width + kWidthPadding, kMaxFittedWidth);
}

void writeXlsx(const WorkbookCells& cells, const QString& path)
{
    const QByteArray fileName = QFile::encodeName(path);
    // Rows are written in order and streamed to disk, so a million rows need little memory.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* workbook = workbook_new_opt(fileName.constData(), &options);
    if (workbook == nullptr)
        throw Failure(QStringLiteral("Cannot create the workbook %1")
                          .arg(QDir::toNativeSeparators(path)));
    // Until workbook_close() takes it over, a failure must free the workbook unwritten.
    struct Discard {
        lxw_workbook* workbook;
        ~Discard()
        {
            if (workbook != nullptr)
                lxw_workbook_free(workbook);
        }
    } discard{workbook};

    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    if (sheet == nullptr)
        throw Failure(QStringLiteral("Cannot add a sheet to the workbook %1")
                          .arg(QDir::toNativeSeparators(path)));
    for (const auto& [column, width] : cells.columnWidths()) {
        const auto col = static_cast<lxw_col_t>(column - 1);
        const lxw_error error = worksheet_set_column(sheet, col, col, width, nullptr);
        if (error != LXW_NO_ERROR)
            throw Failure(xlsxError(error));
    }
    std::string buffer;
    cells.forEachCell([&](int row, int column, const char* text) {
        if (*text == 0)
            return; // an empty text leaves the cell empty
        const lxw_error error = worksheet_write_string(
            sheet, static_cast<lxw_row_t>(row - 1), static_cast<lxw_col_t>(column - 1),
            withEscapesProtected(text, buffer), nullptr);
        if (error != LXW_NO_ERROR)
            throw Failure(QStringLiteral("Cannot set the cell at row %1, column %2: %3")
                              .arg(row)
                              .arg(column)
                              .arg(xlsxError(error)));
    });

    discard.workbook = nullptr;
    const lxw_error error = workbook_close(workbook);
    if (error != LXW_NO_ERROR)
        throw Failure(QStringLiteral("Cannot write the workbook %1: %2")
                          .arg(QDir::toNativeSeparators(path), xlsxError(error)));
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
    return std::make_unique<DesktopSpreadsheetInstance>(*m_launcher,
                                                        findSpreadsheetCommand(*m_launcher),
                                                        m_tempFolder);
}

} // namespace quillfen
