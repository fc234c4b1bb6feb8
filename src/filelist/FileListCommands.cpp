#include "filelist/FileListCommands.h"

#include "app/ErrorReport.h"
#include "app/Texts.h"
#include "filelist/PathUtils.h"
#include "platform/WindowContext.h"

namespace quillfen {

void addFiles(WindowContext& window)
{
    ReportingProcedure add(*window.platform().messages, Procedure::PushButton7_Click);
    QString picked;
    bool tooMany = false;
    add.step(100, [&] {
        try {
            picked = window.platform().fileDialogs->openFiles(texts::kAddFilesTitle,
                                                              texts::kAllFilesFilter);
        } catch (const TooManyFilesPicked&) {
            tooMany = true;
        }
    });
    if (tooMany) {
        window.tell(texts::kTooManyFiles);
        return;
    }
    if (picked.isEmpty())
        return; // cancelled

    const QStringList parts = picked.split(QChar(0));
    RowModel& list = window.fileList().rows();
    if (parts.size() == 1) {
        add.step(102, [&] { list.appendRow(parts.first()); });
        return;
    }
    // A folder followed by names: joined paths go in as one block.
    QStringList paths;
    paths.reserve(parts.size() - 1);
    for (qsizetype i = 1; i < parts.size(); ++i)
        paths.append(RemoveDoubleBackslashes(joinPath(parts.first(), parts.at(i))));
    add.step(104, [&] { list.appendRows(paths); });
}

void clearList(WindowContext& window)
{
    if (window.isBusy())
        return;
    ReportingProcedure clear(*window.platform().messages, Procedure::PushButton8_Click);
    clear.step(100, [&] { window.fileList().rows().removeAllRows(); });
}

void removeSelectedFile(WindowContext& window)
{
    if (window.isBusy())
        return;
    window.fileList().removeSelectedRow();
}

} // namespace quillfen
