#pragma once

// Layer cli: the command-line program; uses files, dates, table and base (Qt Core only).

#include <QByteArrayView>
#include <QElapsedTimer>
#include <QString>

#include <csignal>

namespace quillfen::cli {

// Thrown at the next check after Ctrl-C (SIGINT), SIGTERM or SIGHUP, so the run unwinds and
// leaves no half-written file; main() then ends the program by that signal. Not a
// std::exception, so nothing on the way reports it.
struct Interrupted {
    int signal;
};

// Catches the signals that end a run and ignores SIGPIPE (a closed pipe shows as EPIPE).
void installSignalHandlers();
// Throws Interrupted once one of those signals came.
void checkInterrupted();
// Ends the program by the signal, as if it had not been caught.
[[noreturn]] void dieBy(int signal);

// `pattern`, a text as standard error takes it, with "%1" and "%2" filled in by bytes as they
// are: a path need not be UTF-8.
QByteArray withBytes(QByteArrayView pattern, QByteArrayView first, QByteArrayView second = {});

// What the program says on standard error: warnings, one line each, and while it runs a
// progress line updated in place when standard error is a terminal.
class Terminal {
public:
    Terminal();

    // "quillfen-cli: " and the text.
    void warn(const QString& text);
    void warn(const QByteArray& text);
    // Redraws the progress line if it is shown and a moment has passed since it last was.
    void progress(quint64 folders, quint64 files, quint64 rowsWritten);
    // Clears the progress line for good.
    void done();

private:
    void clearLine();

    bool m_showProgress;
    QString m_progressText;
    bool m_lineShown = false;
    QElapsedTimer m_started;
    qint64 m_lastDrawn = -1;
};

} // namespace quillfen::cli
