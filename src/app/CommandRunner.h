#pragma once

// Layer app: the main window and start-up; uses commands and the layers below.

#include <functional>

class QShortcut;
class QWidget;

namespace quillfen {

class StatusBar;

// Runs the window's commands. A command unwinds out to here when the window is closed or the
// user stops it; a long one shows the Stop button and takes Escape while it runs. Commands
// started while another yields nest: a stop ends the innermost, the one yielding when it is
// asked for.
class CommandRunner {
public:
    // `afterEach` runs when a long command has ended, however it ended.
    CommandRunner(QWidget& window, StatusBar& status, std::function<void()> afterEach);

    void run(const std::function<void()>& command);
    void runStoppable(const std::function<void()>& command);

    // What the Stop button and Escape do: the running long command ends at its next yield.
    void requestStop();
    // The window was closed: every running command ends at its next yield.
    void close() { m_closed = true; }

    // Around the window's yield: shows Stop once a long command is at work, and after the
    // events ran throws ApplicationClosing or CommandStopped when either was asked for.
    void beforeYield();
    void afterYield();

private:
    StatusBar& m_status;
    QShortcut* m_escape;
    std::function<void()> m_afterEach;
    bool m_closed = false;
    int m_stoppable = 0; // long commands running, nested
    bool m_stopRequested = false;
};

} // namespace quillfen
