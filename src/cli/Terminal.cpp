#include "cli/Terminal.h"

#include "cli/CliTexts.h"

#include <QByteArray>
#include <QLocale>

#include <cstdio>

#include <unistd.h>

namespace quillfen::cli {

namespace {

volatile std::sig_atomic_t g_signal = 0;

void remember(int signal)
{
    g_signal = signal;
}

constexpr qint64 kRedrawMs = 200;

void writeError(QByteArrayView bytes)
{
    std::fwrite(bytes.data(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

} // namespace

QByteArray withBytes(QByteArrayView pattern, QByteArrayView first, QByteArrayView second)
{
    // One pass, so a "%2" inside the first never counts as a place to fill.
    QByteArray text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()
            && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            text.append(pattern[++i] == '1' ? first : second);
            continue;
        }
        text.append(pattern[i]);
    }
    return text;
}

void installSignalHandlers()
{
    struct sigaction action {};
    action.sa_handler = remember;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: a read waiting on a pipe returns, to see the flag
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

void checkInterrupted()
{
    if (g_signal != 0)
        throw Interrupted{g_signal};
}

void dieBy(int signal)
{
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    _exit(128 + signal);
}

Terminal::Terminal()
    : m_showProgress(::isatty(STDERR_FILENO) == 1)
    , m_progressText(texts::kProgress())
{
    m_started.start();
}

void Terminal::warn(const QString& text)
{
    warn(text.toLocal8Bit());
}

void Terminal::warn(const QByteArray& text)
{
    clearLine();
    writeError("quillfen-cli: ");
    writeError(text);
    writeError("\n");
    std::fflush(stderr);
}

void Terminal::progress(quint64 folders, quint64 files, quint64 rowsWritten)
{
    if (!m_showProgress)
        return;
    const qint64 now = m_started.elapsed();
    if (m_lastDrawn >= 0 && now - m_lastDrawn < kRedrawMs)
        return;
    m_lastDrawn = now;
    const QLocale locale;
    const double rate = now > 0 ? rowsWritten * 1000.0 / now : 0;
    const QString line =
        m_progressText.arg(locale.toString(folders), locale.toString(files),
                           locale.toString(rowsWritten), locale.toString(qRound64(rate)));
    writeError("\r\033[K");
    writeError(line.toLocal8Bit());
    std::fflush(stderr);
    m_lineShown = true;
}

void Terminal::done()
{
    clearLine();
    m_showProgress = false;
}

void Terminal::clearLine()
{
    if (!m_lineShown)
        return;
    writeError("\r\033[K");
    m_lineShown = false;
}

} // namespace quillfen::cli
