#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include "desktop/Dialogs.h"

#include <QDialog>
#include <QPointer>
#include <QStringList>

#include <functional>

namespace quillfen {

// The Qt dialogs behind the dialog interfaces. Each is modal to the active window.

class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(const QString& text, const QString& caption, MessageButtons buttons,
                       MessageIcon icon) override;
};

class QtInputBox final : public InputBox {
public:
    QString ask(const QString& prompt, const QString& caption, const QString& preset) override;
};

// Both dialogs start in the folder of the last file picked in either, and in the user's home
// folder before any was.
class QtFileDialogs final : public FileDialogs {
public:
    enum class Mode { Open, OpenOne, Save };
    // What a dialog gave: the picked files' full paths and the filter chosen in it.
    struct Picked {
        Picked(QStringList picked = {}, QString chosenFilter = {}) // NOLINT: a list of files
            : files(std::move(picked))
            , filter(std::move(chosenFilter))
        {
        }
        QStringList files;
        QString filter;
    };
    // Shows a dialog starting in `folder`; the default is QFileDialog's own (tests stand in a
    // picker).
    using Picker = std::function<Picked(Mode mode, const QString& title, const QStringList& filters,
                                        const QString& folder)>;

    explicit QtFileDialogs(Picker pick = {});
    QStringList openFiles(const QString& title, const QString& filter) override;
    QString openFile(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& filter) override;

private:
    Picked pick(Mode mode, const QString& title, const QString& filter);

    Picker m_pick;
    QString m_folder;
};

class QtFolderBrowser final : public FolderBrowser {
public:
    QString browse(const QString& prompt, const QString& initialFolder) override;
};

// The manual in a window of its own, beside the main window; the About box.
class QtHelpViewer final : public HelpViewer {
public:
    void showManual() override;
    void showAbout(const QString& caption, const QString& text) override;

private:
    QPointer<QDialog> m_manual;
};

// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|" as Qt name filters: each description as
// given, followed by the patterns Qt matches with, which the dialogs hide. On this platform
// "*.*" would miss names without a dot, so it matches with "*".
QStringList toQtNameFilters(const QString& filter);

// A name saved without an extension while a filter of one extension is chosen ("Text Files
// (*.txt)") gets that extension, as the dialog offers those files; other names stay as typed.
QString withFilterExtension(const QString& path, const QString& chosenFilter);

// Message texts use CR, CR LF or LF for line breaks; Qt shows LF.
QString toDisplayLines(QString text);

} // namespace quillfen
