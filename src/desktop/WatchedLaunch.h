#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include <QString>
#include <QStringList>

#include <functional>

namespace quillfen {

// How a program started on a file fared in its first moments.
struct LaunchOutcome {
    enum class State { Running, Ended, NotStarted };
    State state = State::Running;
    int exitStatus = 0; // when it ended
    int error = 0;      // an errno value, when it could not be started

    // Whether it can be taken to have opened the file: still running, or done with its job (a
    // launcher that hands the file to another program ends at once, with status 0).
    bool opened() const
    {
        return state == State::Running || (state == State::Ended && exitStatus == 0);
    }
};

// Starts `program` in a session of its own, so it runs on after this one ends, and watches it
// for up to `watchMs` milliseconds, calling `waitStep` every few milliseconds (it may throw,
// which ends the watch and leaves the program running). The program is found on the PATH when
// it has no folder.
LaunchOutcome launchWatched(const QString& program, const QStringList& arguments, int watchMs,
                            const std::function<void()>& waitStep);

} // namespace quillfen
