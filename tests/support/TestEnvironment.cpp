#include "support/TestEnvironment.h"

#include <QDir>
#include <QLocale>

#include <cstdlib>
#include <ctime>

namespace quillfen::test {

QTemporaryDir& pinTestEnvironment()
{
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/quillfen-test-home-XXXXXX"));
    if (!home.isValid())
        return home;
    const QByteArray homePath = QFile::encodeName(home.path());
    ::setenv("HOME", homePath.constData(), 1);
    ::setenv("XDG_CONFIG_HOME", (homePath + "/.config").constData(), 1);
    ::setenv("XDG_DATA_HOME", (homePath + "/.local/share").constData(), 1);
    ::setenv("XDG_CACHE_HOME", (homePath + "/.cache").constData(), 1);
    ::setenv("XDG_RUNTIME_DIR", homePath.constData(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("TZ", "Europe/Berlin", 1);
    ::setenv("LANG", "en_US.UTF-8", 1);
    ::setenv("LC_ALL", "en_US.UTF-8", 1);
    ::unsetenv("LANGUAGE");
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    ::tzset();
    return home;
}

void pinTestLocale()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

} // namespace quillfen::test
