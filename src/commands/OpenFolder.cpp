#include "commands/OpenFolder.h"

#include "base/Texts.h"
#include "commands/CommandContext.h"
#include "desktop/Shell.h"

#include <QDir>

namespace quillfen {

bool openFolder(Messages& messages, Shell& shell, const QString& folder)
{
    if (shell.openFolder(folder))
        return true;
    messages.warn(texts::kCannotOpenFolder().arg(QDir::toNativeSeparators(folder)));
    return false;
}

} // namespace quillfen
