#include "extract/ResultsCommands.h"

#include "app/ErrorReport.h"
#include "platform/WindowContext.h"

namespace quillfen {

void clearResults(WindowContext& window)
{
    ReportingProcedure clear(*window.platform().messages, Procedure::PushButton5_Click);
    clear.step(100, [&] { window.resultsList().rows().removeAllRows(); });
}

void deleteCurrentResult(WindowContext& window, int key, Qt::KeyboardModifiers /*modifiers*/)
{
    if (key != Qt::Key_Delete || window.isBusy())
        return;
    window.resultsList().removeSelectedRow();
}

} // namespace quillfen
