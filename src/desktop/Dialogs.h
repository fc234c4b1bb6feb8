#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include "base/Failure.h"
#include "base/Texts.h"

#include <QString>
#include <QStringList>

namespace quillfen {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Warning };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes. A CR in the text is a line break.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const QString& text, const QString& caption, MessageButtons buttons,
                               MessageIcon icon) = 0;
};

// A one-line text prompt. Returns the answer, or "" when the user cancels.
class InputBox {
public:
    virtual ~InputBox() = default;
    virtual QString ask(const QString& prompt, const QString& caption, const QString& preset) = 0;
};

// Raised by an open dialog whose picked names do not fit what it can return.
class TooManyFilesPicked : public Failure {
public:
    TooManyFilesPicked()
        : Failure(texts::kBufferTooSmall())
    {
    }
};

// File dialogs. Filters come as "Description|pattern|Description|pattern|".
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Multi-select open. Returns the full paths of the picked files in the dialog's order, each
    // in its own folder; none when cancelled.
    virtual QStringList openFiles(const QString& title, const QString& filter) = 0;
    // Single-select open of an existing file. Returns its full path, or "" when cancelled.
    virtual QString openFile(const QString& title, const QString& filter) = 0;
    // Save without an overwrite question. Returns the chosen full path, or "" when cancelled.
    virtual QString saveFile(const QString& title, const QString& filter) = 0;
};

// The folder browser. Starts at initialFolder when it exists, else in the home folder;
// returns the chosen folder as a plain path, or "" when cancelled.
class FolderBrowser {
public:
    virtual ~FolderBrowser() = default;
    virtual QString browse(const QString& prompt, const QString& initialFolder) = 0;
};

// The program's own help: its manual and the About box.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showManual() = 0;
    virtual void showAbout(const QString& caption, const QString& text) = 0;
};

} // namespace quillfen
