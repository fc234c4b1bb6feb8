#include "commands/ResultsCommands.h"

#include "base/Texts.h"
#include "commands/ErrorReport.h"
#include "commands/WindowContext.h"

namespace quillfen {

namespace {
// Where the error report says a failure happened.
const QString kLocation = QStringLiteral("in Tessary2021/08/31.Form1.PushButton5_Click ");
} // namespace

void clearResults(WindowContext& window)
{
    ReportingProcedure clear(*window.platform().messages, kLocation);
    clear.step(100, [&] { window.resultsList().rows().removeAllRows(); });
    window.showSummary(texts::kClearedResults);
}

void deleteCurrentResult(WindowContext& window, int key, Qt::KeyboardModifiers /*modifiers*/)
{
    if (key != Qt::Key_Delete || window.isBusy())
        return;
    window.resultsList().removeSelectedRow();
}

} // namespace quillfen
