#include "commands/SampleFiles.h"

#include "base/Paths.h"
#include "base/Settings.h"
#include "base/Texts.h"
#include "commands/CommandContext.h"
#include "commands/ErrorReport.h"
#include "commands/OpenFolder.h"
#include "commands/Summaries.h"
#include "desktop/SettingsStore.h"
#include "desktop/Shell.h"
#include "files/ExistenceTests.h"
#include "files/FolderWalk.h"

#include <cerrno>

namespace quillfen {

namespace {
const QChar kListSeparator = u'|';
// "Load Sample/Example Files"
const QString kLoadLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton9_Click ");
constexpr int kLoadSamples = 100;
} // namespace

QString sampleFolder(const QString& programFilesFolder)
{
    return joinPath(programFilesFolder, texts::kSamplesFolder);
}

void recordSampleFiles(SettingsStore& settings, const QString& programFilesFolder)
{
    const QString folder = sampleFolder(programFilesFolder);
    int error = 0;
    const QStringList names = listFilesInFolder(folder, WildcardPattern(kEveryFile), &error);
    // No folder is an empty list; a folder that cannot be read is a failure, so nothing is
    // recorded and the next start tries again.
    if (error != 0 && error != ENOENT)
        throw Failure::fromErrno(error, folder);
    QStringList paths;
    for (const QString& name : names)
        paths.append(joinPath(folder, name));
    settings.save(settings::kApplication, settings::kSection, settings::kSampleListKey,
                  paths.join(kListSeparator));
}

bool listContainsText(const TextTable& list, const QString& text)
{
    for (int row = 0; row < list.rows(); ++row) {
        if (list.text(row) == text)
            return true;
    }
    return false;
}

void loadSampleFiles(Workspace& work, const SampleServices& services)
{
    ReportingProcedure load(work.messages.boxes(), kLoadLocation);
    load.step(kLoadSamples, [&] { appendSampleFiles(work, services); });
}

void appendSampleFiles(Workspace& work, const SampleServices& services)
{
    RowModel& list = work.files;
    const QString recorded = services.settings.get(settings::kApplication, settings::kSection,
                                                   settings::kSampleListKey, QString());
    const QStringList paths = recorded.split(kListSeparator, Qt::SkipEmptyParts);
    const int before = list.rows();
    for (const QString& path : paths) {
        if (isExistingPath(path) && !listContainsText(list.table(), path))
            list.appendRow(path);
    }
    work.status.showSummary(texts::kAddedFiles().arg(
        counted(list.rows() - before, texts::kFileOne(), texts::kFileMany())));
    if (work.messages.tell(texts::kOpenSamplesQuestion(), MessageButtons::YesNo)
        == MessageAnswer::Yes)
        openFolder(work.messages, services.shell, sampleFolder(services.programFilesFolder));
}

} // namespace quillfen
