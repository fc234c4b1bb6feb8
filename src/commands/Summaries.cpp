#include "commands/Summaries.h"

#include "base/Texts.h"
#include "commands/CommandContext.h"

#include <QLocale>
#include <QStringList>

namespace quillfen {

QString counted(qint64 count, const QString& one, const QString& many)
{
    return QLocale().toString(count) + u' ' + (count == 1 ? one : many);
}

QString addedSummary(const FolderWalk::Counts& walked, qint64 loose, bool stopped)
{
    const auto files = static_cast<qint64>(walked.files) + loose;
    const QString filesText = counted(files, texts::kFileOne(), texts::kFileMany());
    if (stopped)
        return texts::kStoppedAdding().arg(filesText);
    QString summary = walked.folders == 0
        ? texts::kAddedFiles().arg(filesText)
        : texts::kAddedFilesFromFolders().arg(filesText,
                                              counted(static_cast<qint64>(walked.folders),
                                                      texts::kFolderOne(), texts::kFolderMany()));
    QStringList skipped;
    if (walked.hiddenFiles > 0)
        skipped.append(counted(static_cast<qint64>(walked.hiddenFiles), texts::kHiddenFileOne(),
                               texts::kHiddenFileMany()));
    if (walked.unreadableFolders > 0)
        skipped.append(counted(static_cast<qint64>(walked.unreadableFolders),
                               texts::kUnreadableFolderOne(), texts::kUnreadableFolderMany()));
    if (!skipped.isEmpty())
        summary += texts::kSkipped().arg(skipped.join(texts::kAnd()));
    return summary;
}

QString hiddenByFilter(const ShownRows& shown)
{
    if (shown.hidden() == 0)
        return {};
    return texts::kHiddenByFilter().arg(
        counted(shown.hidden(), texts::kRowOne(), texts::kRowMany()));
}

} // namespace quillfen
