#pragma once

// Layer app: the main window and start-up; uses commands and the layers below.

#include <QString>
#include <QStringList>

namespace quillfen {

// The window's own command line, once Qt has taken its options (-platform, -style, ...):
// quillfen [--] [PATH]...
struct WindowArguments {
    // Absolute, as a drop gives them, in their order.
    QStringList paths;
    // An option that is neither Qt's nor the window's; empty when there is none.
    QString unknownOption;
};

// `arguments` begins with the program's name. "--help" and "--version" are answered before
// the window exists, so they are not looked at here.
WindowArguments parseWindowArguments(const QStringList& arguments);

} // namespace quillfen
