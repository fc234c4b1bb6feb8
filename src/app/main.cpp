#include "app/MainWindow.h"
#include "base/Settings.h"
#include "base/Texts.h"
#include "desktop/QtDesktop.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a long message when it finds no display; say it in one line instead.
bool hasDisplay()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[])
{
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "quillfen: no graphical display found (DISPLAY is not set); "
                     "run it under a virtual one: xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(quillfen::texts::kProductTitle);
    QApplication::setOrganizationName(quillfen::settings::kApplication);
    QApplication::setDesktopFileName(QStringLiteral("quillfen"));

    quillfen::MainWindow window(quillfen::makeDesktopPlatform());
    window.show();
    return QApplication::exec();
}
