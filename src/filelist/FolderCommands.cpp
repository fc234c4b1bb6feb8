#include "filelist/FolderCommands.h"

#include "app/ErrorReport.h"
#include "app/Settings.h"
#include "app/Texts.h"
#include "filelist/ExistenceTests.h"
#include "filelist/FolderWalk.h"
#include "platform/WindowContext.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QUrl>

#include <optional>

#include <sys/stat.h>

namespace quillfen {

namespace {

FolderWalk walkerFor(WindowContext& window)
{
    return FolderWalk([&window] { window.yield(); }, [&window] { return window.eventRounds(); },
                      *window.platform().messages);
}

void appendTree(WindowContext& window, FolderWalk& walk, const QString& folder,
                const WildcardPattern& pattern)
{
    RowModel& list = window.fileList().rows();
    walk.addTree(folder, pattern, [&](const FolderWalk::PathBlock& paths) {
        list.appendUtf8Rows(paths.utf8, paths.ends);
    });
}

} // namespace

QString BrowseForFolderPath(WindowContext& window, const QString& prompt,
                            const QString& initialFolder)
{
    return window.platform().folderBrowser->browse(prompt, initialFolder);
}

void addFolder(WindowContext& window)
{
    ReportingProcedure scan(*window.platform().messages, Procedure::PushButton4_Click);
    SettingsStore& store = *window.platform().settings;
    const auto setting = [&](const QString& key, const QString& defaultValue) {
        return store.get(settings::kApplication, settings::kSection, key, defaultValue);
    };
    const auto saveSetting = [&](const QString& key, const QString& value) {
        store.save(settings::kApplication, settings::kSection, key, value);
    };

    const QString extension = scan.value(100, QString(), [&] {
        return window.platform().input->ask(texts::kExtensionPrompt, window.appTitle(),
                                            setting(settings::kExtension, QStringLiteral("*")));
    });
    if (extension.isEmpty())
        return;
    scan.step(102, [&] { saveSetting(settings::kExtension, extension); });

    const QString lastFolder =
        scan.value(104, QString(), [&] { return setting(settings::kLastFolder, QString()); });
    const QString folder = scan.value(106, QString(), [&] {
        return BrowseForFolderPath(window, texts::kFolderPrompt, lastFolder);
    });
    if (folder.isEmpty())
        return;
    scan.step(108, [&] { saveSetting(settings::kLastFolder, folder); });

    scan.step(110, [&] { window.setPointer(WindowPointer::Hourglass); });
    // The answer is used as typed: ".txt" gives "*..txt", which matches next to nothing.
    const WildcardPattern pattern(QStringLiteral("*.") + extension);
    scan.step(112, [&] {
        FolderWalk walk = walkerFor(window);
        appendTree(window, walk, folder, pattern);
    });
    scan.step(114, [&] { window.setPointer(WindowPointer::Default); });
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
    std::optional<FolderWalk> walk; // made at the first folder, then shared by all
    QStringList files;              // consecutive dropped files go in as one block
    const auto flushFiles = [&] {
        window.fileList().rows().appendRows(files);
        files.clear();
    };
    for (const QString& path : paths) {
        if (IsExistingFolder(path)) {
            flushFiles();
            if (!walk)
                walk.emplace(walkerFor(window));
            appendTree(window, *walk, path, everything);
            continue;
        }
        struct stat own {};
        if (::lstat(QFile::encodeName(path).constData(), &own) != 0)
            continue; // gone before the drop was handled
        files.append(path);
    }
    flushFiles();
}

} // namespace quillfen
