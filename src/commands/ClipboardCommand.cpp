#include "commands/ClipboardCommand.h"

#include "base/Texts.h"
#include "commands/CommandContext.h"
#include "commands/ErrorReport.h"
#include "commands/Summaries.h"
#include "desktop/Clipboard.h"
#include "table/ColumnLayout.h"

namespace quillfen {

namespace {

// "Copy Results To Clipboard"
const QString kLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton2_Click ");
constexpr int kCopy = 106;
constexpr int kTellHowToPaste = 108;

constexpr int kClipboardAttempts = 1000;

} // namespace

void copyResultsToClipboard(Workspace& work, Clipboard& clipboard)
{
    ReportingProcedure copy(work.messages.boxes(), kLocation);
    bool busy = false;
    bool stopped = false;
    const TextTable& results = work.results.table();
    const ShownRows shown(work.results);
    copy.step(kCopy, [&] {
        try {
            copyTableToClipboard(work.session, clipboard, results, shown.selection());
        } catch (const ClipboardBusy&) {
            busy = true;
            throw;
        } catch (const CommandStopped&) {
            stopped = true; // the clipboard was not touched
        }
    });
    if (stopped) {
        work.status.showSummary(texts::kStoppedCopying());
        return;
    }
    if (busy) {
        work.status.showSummary(QString());
        return; // the report said the text is not there; claiming it was copied would be false
    }
    work.status.showSummary(texts::kCopiedRows().arg(counted(results.checkedRows(shown.selection()),
                                                             texts::kRowOne(), texts::kRowMany()))
                            + hiddenByFilter(shown));
    copy.step(kTellHowToPaste, [&] { work.messages.tell(texts::kCopiedMessage()); });
}

ClipboardBusy::ClipboardBusy()
    : Failure(texts::kClipboardBusy())
{
}

void copyTableToClipboard(CommandSession& session, Clipboard& clipboard, const TextTable& table,
                          const RowSelection& rows)
{
    if (table.rows() == 0)
        return;
    const QByteArray text = clipboardText(
        table, [&] { session.yield(); }, rows);
    clearClipboard(clipboard);
    if (!placeOnClipboard(clipboard, text))
        throw ClipboardBusy();
}

void clearClipboard(Clipboard& clipboard)
{
    for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
        if (clipboard.clear())
            return;
    }
}

bool placeOnClipboard(Clipboard& clipboard, const QByteArray& utf8)
{
    for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
        if (clipboard.setText(utf8))
            return true;
    }
    return false;
}

} // namespace quillfen
