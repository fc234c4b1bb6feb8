#include "commands/ClipboardCommand.h"

#include "base/Texts.h"
#include "commands/ErrorReport.h"
#include "commands/Summaries.h"
#include "commands/WindowContext.h"
#include "table/ColumnLayout.h"

namespace quillfen {

namespace {

// Where the error report says a failure happened.
const QString kLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton2_Click ");
constexpr int kClipboardAttempts = 1000;
} // namespace

void copyResultsToClipboard(WindowContext& window)
{
    ReportingProcedure copy(*window.platform().messages, kLocation);
    bool busy = false;
    bool stopped = false;
    const TextTable& results = window.resultsList().rows().table();
    copy.step(106, [&] {
        try {
            copyTableToClipboard(window, results);
        } catch (const ClipboardBusy&) {
            busy = true;
            throw;
        } catch (const CommandStopped&) {
            stopped = true; // the clipboard was not touched
        }
    });
    if (stopped) {
        window.showSummary(texts::kStoppedCopying());
        return;
    }
    if (busy) {
        window.showSummary(QString());
        return; // the report said the text is not there; claiming it was copied would be false
    }
    window.showSummary(texts::kCopiedRows().arg(
        counted(results.checkedRows(), texts::kRowOne(), texts::kRowMany())));
    copy.step(108, [&] { window.tell(texts::kCopiedMessage()); });
}

ClipboardBusy::ClipboardBusy()
    : Failure(
        QStringLiteral("The clipboard is in use by another program; the results were not copied."))
{
}

void copyTableToClipboard(WindowContext& window, const TextTable& table)
{
    if (table.rows() == 0)
        return;
    const QByteArray text = clipboardText(table, [&] { window.yield(); });
    Clipboard& clipboard = *window.platform().clipboard;
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
