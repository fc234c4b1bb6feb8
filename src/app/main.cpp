#include "app/MainWindow.h"
#include "app/WindowArguments.h"
#include "base/BuildSettings.h"
#include "base/Language.h"
#include "base/Settings.h"
#include "base/Texts.h"
#include "desktop/QtDesktop.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

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

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// What only needs the terminal: the help, the version, no display. Answered before any
// window exists, in the user's language, and so without needing a display.
std::optional<int> answerOnTerminal(int argc, char* argv[])
{
    enum class Answer { None, Help, Version, NoDisplay } answer = Answer::None;
    for (int i = 1; i < argc && answer == Answer::None; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            break;
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            answer = Answer::Help;
        else if (std::strcmp(argv[i], "--version") == 0)
            answer = Answer::Version;
    }
    if (answer == Answer::None && !hasDisplay())
        answer = Answer::NoDisplay;
    if (answer == Answer::None)
        return std::nullopt;
    QCoreApplication app(argc, argv);
    quillfen::installTranslations(app);
    switch (answer) {
    case Answer::Help:
        print(stdout, quillfen::texts::kWindowUsage());
        return 0;
    case Answer::Version:
        std::printf("quillfen %s\n", quillfen::build::kVersion);
        return 0;
    default:
        print(stderr, quillfen::texts::kNoDisplay().arg(QFile::decodeName(argv[0])) + u'\n');
        return 1;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = answerOnTerminal(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(quillfen::texts::kProductTitle);
    QApplication::setOrganizationName(quillfen::settings::kApplication);
    QApplication::setDesktopFileName(QStringLiteral("quillfen"));
    quillfen::installTranslations(app);

    const quillfen::WindowArguments arguments =
        quillfen::parseWindowArguments(QCoreApplication::arguments());
    if (!arguments.unknownOption.isEmpty()) {
        print(stderr, quillfen::texts::kWindowUnknownOption().arg(arguments.unknownOption) + u'\n');
        return 2;
    }

    quillfen::MainWindow window(quillfen::makeDesktopPlatform());
    window.show();
    // After start-up, as a drop: the status line then sums up what they added.
    if (!arguments.paths.isEmpty())
        window.openPaths(arguments.paths);
    return QApplication::exec();
}
