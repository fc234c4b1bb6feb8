#include "output/ClipboardExport.h"

#include "app/ErrorReport.h"
#include "app/Texts.h"
#include "output/ColumnLayout.h"
#include "platform/WindowContext.h"

namespace quillfen {

namespace {
constexpr int kClipboardAttempts = 1000;
}

void copyResultsToClipboard(WindowContext& window)
{
    ReportingProcedure copy(*window.platform().messages, Procedure::PushButton2_Click);
    bool busy = false;
    copy.step(106, [&] {
        try {
            CopyListviewToClipboard(window, window.resultsList().rows());
        } catch (const ClipboardBusy&) {
            busy = true;
            throw;
        }
    });
    if (busy)
        return; // the report said the text is not there; claiming it was copied would be false
    copy.step(108, [&] { window.tell(texts::kCopied); });
}

QByteArray clipboardText(const RowModel& list, const std::function<void()>& beforeCell)
{
    qsizetype size = 0;
    const std::vector<int> widths = measureColumnWidths(list, false, beforeCell, &size);
    QByteArray text;
    text.reserve(size);
    const int rows = list.rows();
    for (int row = 0; row < rows; ++row) {
        if (beforeCell)
            beforeCell();
        if (row >= list.rows())
            break; // the list shrank meanwhile
        if (!list.isChecked(row))
            continue;
        const qsizetype lineStart = text.size();
        appendRowLine(list, row, widths, beforeCell, text);
        finishClipboardLine(text, lineStart);
    }
    return text;
}

ClipboardBusy::ClipboardBusy()
    : Failure(
        QStringLiteral("The clipboard is in use by another program; the results were not copied."))
{
}

void CopyListviewToClipboard(WindowContext& window, const RowModel& list)
{
    if (list.rows() == 0)
        return;
    const QByteArray text = clipboardText(list, [&] { window.yield(); });
    Clipboard& clipboard = *window.platform().clipboard;
    ClearClipboard(clipboard);
    if (!SetClipboardText(clipboard, text))
        throw ClipboardBusy();
}

void ClearClipboard(Clipboard& clipboard)
{
    for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
        if (clipboard.clear())
            return;
    }
}

bool SetClipboardText(Clipboard& clipboard, const QByteArray& utf8)
{
    for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
        if (clipboard.setText(utf8))
            return true;
    }
    return false;
}

} // namespace quillfen
