#include "BenchPlatform.h"

#include "desktop/DesktopSpreadsheet.h"
#include "desktop/QtDesktop.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace quillfen::bench {

namespace {

class AnsweringBoxes final : public MessageBoxes {
public:
    MessageAnswer show(const QString& text, const QString&, MessageButtons buttons,
                       MessageIcon icon) override
    {
        if (icon == MessageIcon::Warning)
            std::fprintf(stderr, "bench: report shown: %s\n", qPrintable(text));
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
};

class ScriptedInput final : public InputBox {
public:
    explicit ScriptedInput(QString answer)
        : m_answer(std::move(answer))
    {
    }
    QString ask(const QString&, const QString&, const QString&) override { return m_answer; }

private:
    QString m_answer;
};

class ScriptedFiles final : public FileDialogs {
public:
    explicit ScriptedFiles(QString saveAs)
        : m_saveAs(std::move(saveAs))
    {
    }
    QStringList openFiles(const QString&, const QString&) override { return {}; }
    // The file saved last, so a snapshot saved is compared with next.
    QString openFile(const QString&, const QString&) override { return m_saveAs; }
    QString saveFile(const QString&, const QString&) override { return m_saveAs; }

private:
    QString m_saveAs;
};

class ScriptedFolder final : public FolderBrowser {
public:
    explicit ScriptedFolder(QString folder)
        : m_folder(std::move(folder))
    {
    }
    QString browse(const QString&, const QString&) override { return m_folder; }

private:
    QString m_folder;
};

class NoShell final : public Shell {
public:
    bool openFolder(const QString&) override { return true; }
    bool openAddress(const QString&) override { return true; }
};

// Settings in memory, so a benchmark never touches the user's.
class MemorySettings final : public SettingsStore {
public:
    QString get(const QString&, const QString&, const QString& key,
                const QString& defaultValue) override
    {
        return m_values.value(key, defaultValue);
    }
    void save(const QString&, const QString&, const QString& key, const QString& value) override
    {
        m_values.insert(key, value);
    }

private:
    QHash<QString, QString> m_values;
};

// Finds a "spreadsheet application" and pretends to start it: the phase measures filling
// the workbook and writing the .xlsx file, nothing else.
class NoLaunch final : public ProcessLauncher {
public:
    QString findExecutable(const QString& program) override
    {
        return program == QLatin1String("soffice") ? QStringLiteral("/bin/true") : QString();
    }
    QString output(const QString&, const QStringList&) override { return {}; }
    bool startDetached(const QString&, const QStringList&) override { return true; }
};

} // namespace

Platform makeBenchPlatform(const Script& script)
{
    Platform platform;
    platform.messages = std::make_unique<AnsweringBoxes>();
    platform.input = std::make_unique<ScriptedInput>(script.extension);
    platform.fileDialogs = std::make_unique<ScriptedFiles>(script.reportFile);
    platform.folderBrowser = std::make_unique<ScriptedFolder>(script.folder);
    platform.clipboard = std::make_unique<QtClipboard>();
    platform.shell = std::make_unique<NoShell>();
    platform.spreadsheet = std::make_unique<DesktopSpreadsheetApp>(std::make_unique<NoLaunch>(),
                                                                   script.workbookFolder);
    platform.settings = std::make_unique<MemorySettings>();
    platform.yield = std::make_unique<ThrottledYield>();
    platform.random = [] { return 0.5; };
    platform.programFilesFolder = QCoreApplication::applicationDirPath();
    return platform;
}

} // namespace quillfen::bench
