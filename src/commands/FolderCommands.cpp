#include "commands/FolderCommands.h"

#include "base/Settings.h"
#include "base/Texts.h"
#include "commands/CommandContext.h"
#include "commands/ErrorReport.h"
#include "commands/Summaries.h"
#include "desktop/SettingsStore.h"
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

// "Add All File(s) In Folder"
const QString kScanLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton4_Click ");
constexpr int kAskForExtension = 100;
constexpr int kStoreExtension = 102;
constexpr int kReadLastFolder = 104;
constexpr int kAskForFolder = 106;
constexpr int kStoreFolder = 108;
constexpr int kEnterBusy = 110;
constexpr int kWalkTree = 112;
constexpr int kLeaveBusy = 114;

// The walk of one tree, with a report of its own.
const QString kWalkLocation =
    QStringLiteral("in Corvale2021/08/31.AddFolder.GetSubDirectories2016 ");
constexpr int kWalkPause = 100;
constexpr int kWalkListing = 102;
constexpr int kWalkHanding = 104;

int stepOf(FolderWalk::Stage stage)
{
    switch (stage) {
    case FolderWalk::Stage::Pause:
        return kWalkPause;
    case FolderWalk::Stage::Listing:
        return kWalkListing;
    case FolderWalk::Stage::Handing:
        return kWalkHanding;
    }
    return 0;
}

// The folder walk as the window runs it: it yields at the walk's pauses, reads ahead only
// until the window processes events, reports the walk's failures under the walk's own
// location, and appends what it finds to the file list.
class WindowWalk {
public:
    explicit WindowWalk(Workspace& work)
        : m_work(work)
        , m_report(work.messages.boxes(), kWalkLocation)
        , m_walk({.pause = [this] { m_work.session.yield(); },
                  .generation = [this] { return m_work.session.eventRounds(); },
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
        RowModel& list = m_work.files;
        m_walk.addTree(folder, pattern, [&](const FolderWalk::PathBlock& paths) {
            list.appendUtf8Rows(paths.utf8, paths.ends);
        });
    }

private:
    Workspace& m_work;
    ReportingProcedure m_report;
    FolderWalk m_walk;
};

} // namespace

void addFolder(Workspace& work, const FolderScanServices& services)
{
    ReportingProcedure scan(work.messages.boxes(), kScanLocation);
    SettingsStore& store = services.settings;
    const auto setting = [&](const QString& key, const QString& defaultValue) {
        return store.get(settings::kApplication, settings::kSection, key, defaultValue);
    };
    const auto saveSetting = [&](const QString& key, const QString& value) {
        store.save(settings::kApplication, settings::kSection, key, value);
    };

    const QString extension = scan.value(kAskForExtension, QString(), [&] {
        return services.input.ask(texts::kExtensionPrompt(), work.messages.caption(),
                                  setting(settings::kExtensionKey, QStringLiteral("*")));
    });
    if (extension.isEmpty())
        return;
    scan.step(kStoreExtension, [&] { saveSetting(settings::kExtensionKey, extension); });

    const QString lastFolder = scan.value(
        kReadLastFolder, QString(), [&] { return setting(settings::kLastFolderKey, QString()); });
    const QString folder = scan.value(kAskForFolder, QString(), [&] {
        return services.folderBrowser.browse(texts::kFolderPrompt(), lastFolder);
    });
    if (folder.isEmpty())
        return;
    scan.step(kStoreFolder, [&] { saveSetting(settings::kLastFolderKey, folder); });

    scan.step(kEnterBusy, [&] { work.session.setPointer(WindowPointer::Hourglass); });
    const NamePatterns pattern = NamePatterns::forExtensions(extension);
    std::optional<WindowWalk> walk;
    bool stopped = false;
    scan.step(kWalkTree, [&] {
        walk.emplace(work);
        try {
            walk->appendTree(folder, pattern);
        } catch (const CommandStopped&) {
            stopped = true; // the files listed so far stay
        }
    });
    scan.step(kLeaveBusy, [&] { work.session.setPointer(WindowPointer::Default); });
    if (walk)
        work.status.showSummary(addedSummary(walk->counts(), 0, stopped));
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

void dropPaths(Workspace& work, const QStringList& paths)
{
    const WildcardPattern everything(kEveryFile);
    std::optional<WindowWalk> walk; // made at the first folder, then shared by all
    QStringList files;              // consecutive dropped files go in as one block
    QStringList missing;
    qint64 loose = 0;
    const auto flushFiles = [&] {
        work.files.appendRows(files);
        loose += files.size();
        files.clear();
    };
    bool stopped = false;
    try {
        for (const QString& path : paths) {
            if (isExistingFolder(path)) {
                flushFiles();
                if (!walk)
                    walk.emplace(work);
                walk->appendTree(path, everything);
                continue;
            }
            struct stat own {};
            if (::lstat(QFile::encodeName(path).constData(), &own) != 0) {
                missing.append(path); // mistyped, or gone before the drop was handled
                continue;
            }
            files.append(path);
        }
        flushFiles();
    } catch (const CommandStopped&) {
        stopped = true; // what was appended stays
    }
    QString summary = addedSummary(walk ? walk->counts() : FolderWalk::Counts{}, loose, stopped);
    if (!missing.isEmpty()) {
        // A few names say what went wrong; a long list would only push the counts aside.
        constexpr qsizetype kNamed = 3;
        QString named = missing.mid(0, kNamed).join(texts::kListSeparator());
        if (missing.size() > kNamed)
            named += texts::kListSeparator() + QStringLiteral("…");
        summary += texts::kNotFoundPaths().arg(named);
    }
    work.status.showSummary(summary);
}

} // namespace quillfen
