#pragma once

// Scripted desktop services for the benchmark driver: every dialog answers at once from the
// run's settings, so a phase measures the program's own work.

#include "desktop/Platform.h"

#include <QString>

namespace quillfen::bench {

struct Script {
    QString extension = QStringLiteral("*");
    QString folder;
    QString reportFile;
    QString workbookFolder;
};

Platform makeBenchPlatform(const Script& script);

} // namespace quillfen::bench
