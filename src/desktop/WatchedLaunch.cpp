#include "desktop/WatchedLaunch.h"

#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillfen {

namespace {

// What the watcher writes back: one letter and a number.
struct Report {
    char what; // 'R' still running, 'X' ended with `value`, 'E' exec failed with errno `value`
    int value;
};

constexpr int kSliceMs = 16;

// In the forked watcher: only calls that are safe after fork() in a threaded program.
[[noreturn]] void watch(const char* path, char* const* argv, int report, int watchMs)
{
    ::setsid();
    int failed[2];
    if (::pipe2(failed, O_CLOEXEC) != 0)
        ::_exit(127);
    const pid_t program = ::fork();
    if (program == 0) {
        ::close(failed[0]);
        ::execv(path, argv);
        const int error = errno;
        (void)!::write(failed[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(failed[1]);
    Report result{'R', 0};
    int execError = 0;
    if (program < 0) {
        result = {'E', errno};
    } else if (::read(failed[0], &execError, sizeof execError) == sizeof execError) {
        result = {'E', execError}; // the pipe closes at exec, so a read only returns on failure
        ::waitpid(program, nullptr, 0);
    } else {
        const timespec slice{0, kSliceMs * 1000000L};
        for (int waited = 0; waited < watchMs; waited += kSliceMs) {
            int status = 0;
            if (::waitpid(program, &status, WNOHANG) == program) {
                result = {'X', WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)};
                break;
            }
            ::nanosleep(&slice, nullptr);
        }
    }
    (void)!::write(report, &result, sizeof result);
    ::_exit(0); // a program still running is left to init
}

} // namespace

LaunchOutcome launchWatched(const QString& program, const QStringList& arguments, int watchMs,
                            const std::function<void()>& waitStep)
{
    const QString found =
        program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    if (found.isEmpty())
        return {LaunchOutcome::State::NotStarted, 0, ENOENT};
    // Everything the forked side needs is made before the fork.
    const QByteArray path = QFile::encodeName(found);
    std::vector<QByteArray> words{QFile::encodeName(program)};
    for (const QString& argument : arguments)
        words.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return {LaunchOutcome::State::NotStarted, 0, errno};
    const pid_t watcher = ::fork();
    if (watcher == 0) {
        ::close(report[0]);
        watch(path.constData(), argv.data(), report[1], watchMs);
    }
    ::close(report[1]);
    if (watcher < 0) {
        const int error = errno;
        ::close(report[0]);
        return {LaunchOutcome::State::NotStarted, 0, error};
    }
    Report result{'R', 0};
    try {
        for (;;) {
            pollfd ready{report[0], POLLIN, 0};
            const int polled = ::poll(&ready, 1, kSliceMs);
            if (polled > 0) {
                if (::read(report[0], &result, sizeof result) != sizeof result)
                    result = {'R', 0}; // the watcher died: nothing is known, so assume it runs
                break;
            }
            if (polled < 0 && errno != EINTR)
                break;
            if (waitStep)
                waitStep();
        }
    } catch (...) {
        ::close(report[0]);
        ::waitpid(watcher, nullptr, 0);
        throw;
    }
    ::close(report[0]);
    ::waitpid(watcher, nullptr, 0);
    switch (result.what) {
    case 'X':
        return {LaunchOutcome::State::Ended, result.value, 0};
    case 'E':
        return {LaunchOutcome::State::NotStarted, 0, result.value};
    default:
        return {};
    }
}

} // namespace quillfen
