#include "commands/SampleFiles.h"

#include "base/Paths.h"
#include "base/Settings.h"
#include "base/Texts.h"
#include "commands/ErrorReport.h"
#include "commands/Summaries.h"
#include "commands/WindowContext.h"
#include "files/ExistenceTests.h"
#include "files/FolderWalk.h"

#include <cerrno>

namespace quillfen {

namespace {
const QChar kListSeparator = u'|';
// Where the error report says a failure happened.
const QString kLoadLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton9_Click ");
} // namespace

QString sampleFolder(const Platform& platform)
{
    return joinPath(platform.programFilesFolder, texts::kSamplesFolder);
}

void recordSampleFiles(Platform& platform)
{
    const QString folder = sampleFolder(platform);
    int error = 0;
    const QStringList names = listFilesInFolder(folder, WildcardPattern(kEveryFile), &error);
    // No folder is an empty list; a folder that cannot be read is a failure, so nothing is
    // recorded and the next start tries again.
    if (error != 0 && error != ENOENT)
        throw Failure::fromErrno(error, folder);
    QStringList paths;
    for (const QString& name : names)
        paths.append(joinPath(folder, name));
    platform.settings->save(settings::kApplication, settings::kSection, settings::kSampleListKey,
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

void loadSampleFiles(WindowContext& window)
{
    ReportingProcedure load(*window.platform().messages, kLoadLocation);
    load.step(100, [&] { appendSampleFiles(window); });
}

void appendSampleFiles(WindowContext& window)
{
    Platform& platform = window.platform();
    RowModel& list = window.fileList().rows();
    const QString recorded = platform.settings->get(settings::kApplication, settings::kSection,
                                                    settings::kSampleListKey, QString());
    const QStringList paths = recorded.split(kListSeparator, Qt::SkipEmptyParts);
    const int before = list.rows();
    for (const QString& path : paths) {
        if (isExistingPath(path) && !listContainsText(list.table(), path))
            list.appendRow(path);
    }
    window.showSummary(texts::kAddedFiles().arg(
        counted(list.rows() - before, texts::kFileOne(), texts::kFileMany())));
    if (window.tell(texts::kOpenSamplesQuestion(), MessageButtons::YesNo) == MessageAnswer::Yes)
        platform.shell->openFolder(sampleFolder(platform));
}

} // namespace quillfen
