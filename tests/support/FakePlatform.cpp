#include "support/FakePlatform.h"

#include "app/Settings.h"
#include "app/Texts.h"

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
        if (message.caption == texts::kErrorCaption)
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

QString FakeFileDialogs::openFiles(const QString& title, const QString& filter)
{
    titles.append(title);
    filters.append(filter);
    if (tooManyFiles)
        throw TooManyFilesPicked();
    if (openAnswers.empty())
        return {};
    const QString answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
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

bool FakeClipboard::setText(const QString& newText)
{
    ++setAttempts;
    if (failSets > 0) {
        --failSets;
        return false;
    }
    text = newText;
    return true;
}

bool FakeShell::openFolder(const QString& path)
{
    openedFolders.append(path);
    return true;
}

bool FakeShell::openAddress(const QString& address)
{
    openedAddresses.append(address);
    return true;
}

QString settingsKey(const QString& key)
{
    return settings::kApplication + QLatin1Char('/') + settings::kSection + QLatin1Char('/') + key;
}

QString FakeSettingsStore::get(const QString& application, const QString& section,
                               const QString& key, const QString& defaultValue)
{
    return values.value(application + QLatin1Char('/') + section + QLatin1Char('/') + key,
                        defaultValue);
}

void FakeSettingsStore::save(const QString& application, const QString& section,
                             const QString& key, const QString& value)
{
    if (failWrites)
        throw Failure(QStringLiteral("Cannot store the setting \"%1\"").arg(key));
    values.insert(application + QLatin1Char('/') + section + QLatin1Char('/') + key, value);
    writes.append(key + QLatin1Char('=') + value);
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
    auto ownSettings = std::make_unique<FakeSettingsStore>();
    auto ownYield = std::make_unique<FakeYield>();
    messages = ownMessages.get();
    input = ownInput.get();
    fileDialogs = ownFileDialogs.get();
    folderBrowser = ownFolderBrowser.get();
    clipboard = ownClipboard.get();
    shell = ownShell.get();
    settings = ownSettings.get();
    yield = ownYield.get();
    platform.messages = std::move(ownMessages);
    platform.input = std::move(ownInput);
    platform.fileDialogs = std::move(ownFileDialogs);
    platform.folderBrowser = std::move(ownFolderBrowser);
    platform.clipboard = std::move(ownClipboard);
    platform.shell = std::move(ownShell);
    platform.settings = std::move(ownSettings);
    platform.yield = std::move(ownYield);
    platform.random = [this] { return randomValue; };
    platform.programFolder = QStringLiteral("/nonexistent-program-folder");
}

Platform FakeDesktop::take()
{
    return std::move(platform);
}

} // namespace quillfen::test
