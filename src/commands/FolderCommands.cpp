#include "commands/FolderCommands.h"

#include "base/Settings.h"
#include "base/Texts.h"
#include "commands/ErrorReport.h"
#include "commands/Summaries.h"
#include "commands/WindowContext.h"
#include "files/ExistenceTests.h"
#include "files/FolderWalk.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QUrl>

#include <optional>

#include <sys/stat.h>

namespace quillfen {

namespace {

// Where the error report says a failure happened.
const QString kScanLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton4_Click ");
const QString kWalkLocation =
    QStringLiteral("in Corvale2021/08/31.AddFolder.GetSubDirectories2016 ");

int stepOf(FolderWalk::Stage stage)
{
    switch (stage) {
    case FolderWalk::Stage::Pause:
        return 100;
    case FolderWalk::Stage::Listing:
        return 102;
    case FolderWalk::Stage::Handing:
        return 104;
    }
    return 0;
}

// The folder walk as the window runs it: it yields at the walk's pauses, reads ahead only
// until the window processes events, reports the walk's failures under the walk's own
// location, and appends what it finds to the file list.
class WindowWalk {
public:
    explicit WindowWalk(WindowContext& window)
        : m_window(window)
        , m_report(*window.platform().messages, kWalkLocation)
        , m_walk({.pause = [this] { m_window.yield(); },
                  .generation = [this] { return m_window.eventRounds(); },
                  .failed =
                      [this](FolderWalk::Stage stage, const std::exception& error) {
                          m_report.report(stepOf(stage), describe(error));
                      }})
    {
    }

    WindowWalk(const WindowWalk&) = delete;
    WindowWalk& operator=(const WindowWalk&) = delete;

    const FolderWalk::Counts& counts() const { return m_walk.counts(); }

    void appendTree(const QString& folder, const NamePatterns& pattern)
    {
        RowModel& list = m_window.fileList().rows();
        m_walk.addTree(folder, pattern, [&](const FolderWalk::PathBlock& paths) {
            list.appendUtf8Rows(paths.utf8, paths.ends);
        });
    }

private:
    WindowContext& m_window;
    ReportingProcedure m_report;
    FolderWalk m_walk;
};

} // namespace

void addFolder(WindowContext& window)
{
    ReportingProcedure scan(*window.platform().messages, kScanLocation);
    SettingsStore& store = *window.platform().settings;
    const auto setting = [&](const QString& key, const QString& defaultValue) {
        return store.get(settings::kApplication, settings::kSection, key, defaultValue);
    };
    const auto saveSetting = [&](const QString& key, const QString& value) {
        store.save(settings::kApplication, settings::kSection, key, value);
    };

    const QString extension = scan.value(100, QString(), [&] {
        return window.platform().input->ask(texts::kExtensionPrompt(), window.appTitle(),
                                            setting(settings::kExtensionKey, QStringLiteral("*")));
    });
    if (extension.isEmpty())
        return;
    scan.step(102, [&] { saveSetting(settings::kExtensionKey, extension); });

    const QString lastFolder =
        scan.value(104, QString(), [&] { return setting(settings::kLastFolderKey, QString()); });
    const QString folder = scan.value(106, QString(), [&] {
        return window.platform().folderBrowser->browse(texts::kFolderPrompt(), lastFolder);
    });
    if (folder.isEmpty())
        return;
    scan.step(108, [&] { saveSetting(settings::kLastFolderKey, folder); });

    scan.step(110, [&] { window.setPointer(WindowPointer::Hourglass); });
    const NamePatterns pattern = NamePatterns::forExtensions(extension);
    std::optional<WindowWalk> walk;
    bool stopped = false;
    scan.step(112, [&] {
        walk.emplace(window);
        try {
            walk->appendTree(folder, pattern);
        } catch (const CommandStopped&) {
            stopped = true; // the files listed so far stay
        }
    });
    scan.step(114, [&] { window.setPointer(WindowPointer::Default); });
    if (walk)
        window.showSummary(addedSummary(walk->counts(), 0, stopped));
}

QStringList droppedPaths(const QMimeData& data)
{
    QStringList paths;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile())
            paths.append(QDir::toNativeSeparators(url.toLocalFile()));
    }
    return paths;
}

void dropPaths(WindowContext& window, const QStringList& paths)
{
    const WildcardPattern everything(kEveryFile);
    std::optional<WindowWalk> walk; // made at the first folder, then shared by all
    QStringList files;              // consecutive dropped files go in as one block
    qint64 loose = 0;
    const auto flushFiles = [&] {
        window.fileList().rows().appendRows(files);
        loose += files.size();
        files.clear();
    };
    bool stopped = false;
    try {
        for (const QString& path : paths) {
            if (isExistingFolder(path)) {
                flushFiles();
                if (!walk)
                    walk.emplace(window);
                walk->appendTree(path, everything);
                continue;
            }
            struct stat own {};
            if (::lstat(QFile::encodeName(path).constData(), &own) != 0)
                continue; // gone before the drop was handled
            files.append(path);
        }
        flushFiles();
    } catch (const CommandStopped&) {
        stopped = true; // what was appended stays
    }
    window.showSummary(addedSummary(walk ? walk->counts() : FolderWalk::Counts{}, loose, stopped));
}

} // namespace quillfen
