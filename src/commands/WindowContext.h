#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include "desktop/Dialogs.h"
#include "desktop/ListControl.h"
#include "desktop/Platform.h"
#include "desktop/ProgressBar.h"
#include "files/FileTimes.h"

namespace quillfen {

// The window's pointer: default arrow, hourglass (the window is busy) or the custom hand.
enum class WindowPointer { Default, Hourglass, Custom };

// Thrown out of the window's yield once the window has been closed, so a long command
// unwinds (destructors discard half-written files) and the program ends. It deliberately
// does not derive from std::exception: step guards must let it pass instead of reporting it.
struct ApplicationClosing {};

// Thrown out of the window's yield when the user asked to stop the running command (the
// "Stop" button, Escape). The command ends there and keeps what it did; like
// ApplicationClosing it is no std::exception, so it passes the step guards to the command.
struct CommandStopped {};

// The narrow view of the main window that the commands work through, so they need not
// know the window class: the two lists, the progress bar, the date boxes (one per kind of
// time stamp), the pointer and busy state, the platform bundle and the yield.
class WindowContext {
public:
    virtual ~WindowContext() = default;

    virtual ListControl& fileList() = 0;    // the upper list of paths
    virtual ListControl& resultsList() = 0; // the lower list of results
    virtual ProgressBar& progressBar() = 0;
    virtual int dateBoxValue(StampKind kind) const = 0;

    virtual WindowPointer pointer() const = 0;
    virtual void setPointer(WindowPointer pointer) = 0;
    bool isBusy() const { return pointer() == WindowPointer::Hourglass; }

    virtual Platform& platform() = 0;
    // The caption of boxes that name none of their own.
    virtual QString appTitle() const = 0;
    // Lets the window process pending events; throws ApplicationClosing once it is closed and
    // CommandStopped once the user asked to stop.
    virtual void yield() = 0;
    // One line of what the last command did, for the status bar.
    virtual void showSummary(const QString& line) = 0;
    // How many times the window has processed events (see EventYield::rounds).
    quint64 eventRounds() { return platform().yield->rounds(); }

    // A message box captioned with the application title.
    MessageAnswer tell(const QString& text, MessageButtons buttons = MessageButtons::Ok)
    {
        return platform().messages->show(text, appTitle(), buttons, MessageIcon::None);
    }
};

} // namespace quillfen
