#include "app/Samples.h"

#include "app/Settings.h"
#include "app/Texts.h"
#include "filelist/ExistenceTests.h"
#include "filelist/FolderWalk.h"
#include "filelist/PathUtils.h"
#include "platform/WindowContext.h"

#include <cerrno>

namespace quillfen {

namespace {
const QChar kListSeparator = u'|';
}

QString sampleFolder(const Platform& platform)
{
    return joinPath(platform.programFolder, texts::kSamplesFolder);
}

void RecordSampleFiles(Platform& platform)
{
    const QString folder = sampleFolder(platform);
    int error = 0;
    const QStringList names = ListFilesInFolder(folder, WildcardPattern(kEveryFile), &error);
    // No folder is an empty list; a folder that cannot be read is a failure, so nothing is
    // recorded and the next start tries again.
    if (error != 0 && error != ENOENT)
        throw Failure::fromErrno(error, folder);
    QStringList paths;
    for (const QString& name : names)
        paths.append(joinPath(folder, name));
    platform.settings->save(settings::kApplication, settings::kSection, settings::kSnapshot,
                            paths.join(kListSeparator));
}

bool ListContainsText(const RowModel& list, const QString& text)
{
    for (int row = 0; row < list.rows(); ++row) {
        if (list.text(row) == text)
            return true;
    }
    return false;
}

void LoadSampleFiles(WindowContext& window, RowModel& list)
{
    Platform& platform = window.platform();
    const QString recorded = platform.settings->get(settings::kApplication, settings::kSection,
                                                    settings::kSnapshot, QString());
    const QStringList paths = recorded.split(kListSeparator, Qt::SkipEmptyParts);
    for (const QString& path : paths) {
        if (IsExistingPath(path) && !ListContainsText(list, path))
            list.appendRow(path);
    }
    if (window.tell(texts::kOpenSamplesQuestion, MessageButtons::YesNo) == MessageAnswer::Yes)
        platform.shell->openFolder(sampleFolder(platform));
}

} // namespace quillfen
