#include "support/FakePlatform.h"

#include "base/Settings.h"
#include "base/Texts.h"

namespace quillfen::test {

MessageAnswer FakeMessageBoxes::show(const QString& text, const QString& caption,
                                     MessageButtons buttons, MessageIcon icon)
{
    shown.push_back({text, caption, buttons, icon});
    if (onShow)
        onShow(shown.back());
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (answers.empty())
        return MessageAnswer::No;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

QStringList FakeMessageBoxes::texts() const
{
    QStringList result;
    for (const ShownMessage& message : shown)
        result.append(message.text);
    return result;
}

QStringList FakeMessageBoxes::reports() const
{
    QStringList result;
    for (const ShownMessage& message : shown) {
        if (message.caption == texts::kErrorCaption())
            result.append(message.text);
    }
    return result;
}

QString FakeInputBox::ask(const QString& prompt, const QString& caption, const QString& preset)
{
    asked.push_back({prompt, caption, preset});
    if (answers.empty())
        return {};
    const QString answer = answers.front();
    answers.pop_front();
    return answer;
}

QStringList FakeFileDialogs::openFiles(const QString& title, const QString& filter)
{
    titles.append(title);
    filters.append(filter);
    if (tooManyFiles)
        throw TooManyFilesPicked();
    if (openAnswers.empty())
        return {};
    const QStringList answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

QString FakeFileDialogs::openFile(const QString& title, const QString& filter)
{
    return openFiles(title, filter).value(0);
}

QString FakeFileDialogs::saveFile(const QString& title, const QString& filter)
{
    titles.append(title);
    filters.append(filter);
    if (saveAnswers.empty())
        return {};
    const QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

QString FakeFolderBrowser::browse(const QString& prompt, const QString& initialFolder)
{
    prompts.append(prompt);
    initialFolders.append(initialFolder);
    if (answers.empty())
        return {};
    const QString answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakeClipboard::clear()
{
    ++clearAttempts;
    if (failClears > 0) {
        --failClears;
        return false;
    }
    text.reset();
    return true;
}

bool FakeClipboard::setText(const QByteArray& utf8)
{
    ++setAttempts;
    if (failSets > 0) {
        --failSets;
        return false;
    }
    text = QString::fromUtf8(utf8);
    return true;
}

bool FakeShell::openFolder(const QString& path)
{
    openedFolders.append(path);
    return opensFolders;
}

void FakeHelpViewer::showManual()
{
    ++manualsShown;
}

void FakeHelpViewer::showAbout(const QString& caption, const QString& text)
{
    abouts.append(caption + QLatin1Char('|') + text);
}

bool FakeShell::openAddress(const QString& address)
{
    openedAddresses.append(address);
    return true;
}

namespace {

class FakeSpreadsheetWorkbook final : public SpreadsheetWorkbook {
public:
    FakeSpreadsheetWorkbook(FakeSpreadsheet& record, const std::set<std::pair<int, int>>& failing)
        : m_record(record)
        , m_failing(failing)
    {
    }
    void setCell(int row, int column, const QString& text) override
    {
        if (m_failing.count({row, column}) != 0)
            throw Failure(QStringLiteral("Cell refused"));
        m_record.cells[{row, column}] = text;
    }
    void setDateFormats(const QString& dateTime, const QString& dateOnly) override
    {
        m_record.dateFormats = {dateTime, dateOnly};
    }
    void setDateCell(int row, int column, double value, bool dateOnly, const QString& text) override
    {
        setCell(row, column, text);
        m_record.dates[{row, column}] = {value, dateOnly};
    }
    void autoFitColumns() override { ++m_record.autoFits; }

private:
    FakeSpreadsheet& m_record;
    const std::set<std::pair<int, int>>& m_failing;
};

class FakeSpreadsheetInstance final : public SpreadsheetInstance {
public:
    FakeSpreadsheetInstance(FakeSpreadsheet& record, const std::set<std::pair<int, int>>& failing)
        : m_record(record)
        , m_failing(failing)
    {
    }
    ~FakeSpreadsheetInstance() override { m_record.released = true; }
    SpreadsheetWorkbook& addWorkbook() override
    {
        ++m_record.workbooks;
        m_workbooks.push_back(std::make_unique<FakeSpreadsheetWorkbook>(m_record, m_failing));
        return *m_workbooks.back();
    }
    void setVisible() override { m_record.visible = true; }

private:
    FakeSpreadsheet& m_record;
    const std::set<std::pair<int, int>>& m_failing;
    std::vector<std::unique_ptr<FakeSpreadsheetWorkbook>> m_workbooks;
};

} // namespace

std::unique_ptr<SpreadsheetInstance> FakeSpreadsheetApp::start()
{
    if (startAttempts++ >= workingStarts)
        throw Failure(QStringLiteral("Cannot create object"));
    started.emplace_back();
    return std::make_unique<FakeSpreadsheetInstance>(started.back(), failingCells);
}

QString settingsKey(const QString& key)
{
    return settings::kApplication + QLatin1Char('/') + settings::kSection + QLatin1Char('/') + key;
}

QString FakeSettingsStore::get(const QString& application, const QString& section,
                               const QString& key, const QString& defaultValue)
{
    if (failReads)
        throw Failure(QStringLiteral("Cannot read the setting \"%1\"").arg(key));
    return values.value(application + QLatin1Char('/') + section + QLatin1Char('/') + key,
                        defaultValue);
}

void FakeSettingsStore::save(const QString& application, const QString& section, const QString& key,
                             const QString& value)
{
    if (failWrites)
        throw Failure(QStringLiteral("Cannot store the setting \"%1\"").arg(key));
    values.insert(application + QLatin1Char('/') + section + QLatin1Char('/') + key, value);
    (section == settings::kWindowSection ? windowWrites : writes)
        .append(key + QLatin1Char('=') + value);
}

void FakeYield::yield()
{
    ++count;
    if (onYield)
        onYield(count);
}

FakeDesktop::FakeDesktop()
{
    auto ownMessages = std::make_unique<FakeMessageBoxes>();
    auto ownInput = std::make_unique<FakeInputBox>();
    auto ownFileDialogs = std::make_unique<FakeFileDialogs>();
    auto ownFolderBrowser = std::make_unique<FakeFolderBrowser>();
    auto ownClipboard = std::make_unique<FakeClipboard>();
    auto ownShell = std::make_unique<FakeShell>();
    auto ownSpreadsheet = std::make_unique<FakeSpreadsheetApp>();
    auto ownSettings = std::make_unique<FakeSettingsStore>();
    auto ownYield = std::make_unique<FakeYield>();
    auto ownHelp = std::make_unique<FakeHelpViewer>();
    messages = ownMessages.get();
    input = ownInput.get();
    fileDialogs = ownFileDialogs.get();
    folderBrowser = ownFolderBrowser.get();
    clipboard = ownClipboard.get();
    shell = ownShell.get();
    spreadsheet = ownSpreadsheet.get();
    settings = ownSettings.get();
    yield = ownYield.get();
    help = ownHelp.get();
    platform.messages = std::move(ownMessages);
    platform.help = std::move(ownHelp);
    platform.input = std::move(ownInput);
    platform.fileDialogs = std::move(ownFileDialogs);
    platform.folderBrowser = std::move(ownFolderBrowser);
    platform.clipboard = std::move(ownClipboard);
    platform.shell = std::move(ownShell);
    platform.spreadsheet = std::move(ownSpreadsheet);
    platform.settings = std::move(ownSettings);
    platform.yield = std::move(ownYield);
    platform.random = [this] { return randomValue; };
    platform.programFilesFolder = QStringLiteral("/nonexistent-program-folder");
}

Platform FakeDesktop::take()
{
    return std::move(platform);
}

} // namespace quillfen::test
