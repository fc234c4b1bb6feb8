#include "commands/FileListCommands.h"

#include "base/Paths.h"
#include "base/Texts.h"
#include "commands/CommandContext.h"
#include "commands/ErrorReport.h"
#include "commands/Summaries.h"

namespace quillfen {

namespace {

// "Add File(s)"
const QString kAddFilesLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton7_Click ");
constexpr int kAskForFiles = 100;
constexpr int kAppendOne = 102;
constexpr int kAppendSeveral = 104;

// "Clear List"
const QString kClearListLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton8_Click ");
constexpr int kRemoveEntries = 100;

} // namespace

void addFiles(Workspace& work, FileDialogs& dialogs)
{
    ReportingProcedure add(work.messages.boxes(), kAddFilesLocation);
    QStringList picked;
    bool tooMany = false;
    add.step(kAskForFiles, [&] {
        try {
            picked = dialogs.openFiles(texts::kAddFilesTitle(), texts::kAllFilesFilter());
        } catch (const TooManyFilesPicked&) {
            tooMany = true;
        }
    });
    if (tooMany) {
        work.messages.tell(texts::kTooManyFiles());
        return;
    }
    if (picked.isEmpty())
        return; // cancelled

    RowModel& list = work.files;
    const int before = list.rows();
    if (picked.size() == 1) {
        add.step(kAppendOne, [&] { list.appendRow(picked.first()); });
    } else {
        // Several picks go in as one block, each path cleaned of doubled separators.
        for (QString& path : picked)
            path = removeDoubledSeparators(path);
        add.step(kAppendSeveral, [&] { list.appendRows(picked); });
    }
    work.status.showSummary(texts::kAddedFiles().arg(
        counted(list.rows() - before, texts::kFileOne(), texts::kFileMany())));
}

void clearList(Workspace& work)
{
    if (work.session.isBusy())
        return;
    ReportingProcedure clear(work.messages.boxes(), kClearListLocation);
    clear.step(kRemoveEntries, [&] { work.files.removeAllRows(); });
    work.status.showSummary(texts::kClearedList());
}

void removeFiles(Workspace& work, const std::vector<int>& rows)
{
    if (work.session.isBusy())
        return;
    work.files.removeRows(rows);
}

} // namespace quillfen
