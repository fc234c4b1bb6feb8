#include "app/WindowArguments.h"

#include <QDir>

namespace quillfen {

WindowArguments parseWindowArguments(const QStringList& arguments)
{
    WindowArguments parsed;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        // "-" alone is a file of that name, as it is for most programs that take no input.
        if (!optionsEnded && argument.size() > 1 && argument.startsWith(u'-')) {
            parsed.unknownOption = argument;
            parsed.paths.clear();
            return parsed;
        }
        // cleanPath: "quillfen ." lists "/home/me/a", not "/home/me/./a".
        parsed.paths.append(
            QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(argument))));
    }
    return parsed;
}

} // namespace quillfen
