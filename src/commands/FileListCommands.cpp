#include "commands/FileListCommands.h"

#include "base/Paths.h"
#include "base/Texts.h"
#include "commands/ErrorReport.h"
#include "commands/Summaries.h"
#include "commands/WindowContext.h"

namespace quillfen {

namespace {
// Where the error report says a failure happened.
const QString kAddFilesLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton7_Click ");
const QString kClearListLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton8_Click ");
} // namespace

void addFiles(WindowContext& window)
{
    ReportingProcedure add(*window.platform().messages, kAddFilesLocation);
    QStringList picked;
    bool tooMany = false;
    add.step(100, [&] {
        try {
            picked = window.platform().fileDialogs->openFiles(texts::kAddFilesTitle(),
                                                              texts::kAllFilesFilter());
        } catch (const TooManyFilesPicked&) {
            tooMany = true;
        }
    });
    if (tooMany) {
        window.tell(texts::kTooManyFiles());
        return;
    }
    if (picked.isEmpty())
        return; // cancelled

    RowModel& list = window.fileList().rows();
    const int before = list.rows();
    if (picked.size() == 1) {
        add.step(102, [&] { list.appendRow(picked.first()); });
    } else {
        // Several picks go in as one block, each path cleaned of doubled separators.
        for (QString& path : picked)
            path = removeDoubledSeparators(path);
        add.step(104, [&] { list.appendRows(picked); });
    }
    window.showSummary(texts::kAddedFiles().arg(
        counted(list.rows() - before, texts::kFileOne(), texts::kFileMany())));
}

void clearList(WindowContext& window)
{
    if (window.isBusy())
        return;
    ReportingProcedure clear(*window.platform().messages, kClearListLocation);
    clear.step(100, [&] { window.fileList().rows().removeAllRows(); });
    window.showSummary(texts::kClearedList());
}

void removeSelectedFile(WindowContext& window)
{
    if (window.isBusy())
        return;
    window.fileList().removeSelectedRow();
}

void fileListKeyPressed(WindowContext& window, int key)
{
    if (key != Qt::Key_Delete || window.isBusy())
        return;
    window.fileList().removeSelectedRows();
}

} // namespace quillfen
