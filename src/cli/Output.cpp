#include "cli/Output.h"

#include "base/Failure.h"
#include "cli/CliTexts.h"

#include <cerrno>

#include <unistd.h>

namespace quillfen::cli {

namespace {
// Big enough that writing costs little per row, small enough that a pipeline sees rows soon.
constexpr qsizetype kBlock = 64 * 1024;
} // namespace

StandardOutput::~StandardOutput()
{
    try {
        flush();
    } catch (...) {
        // Unwinding already, or the reader is gone: what is left has nowhere to go.
    }
}

void StandardOutput::write(QByteArrayView bytes)
{
    m_buffer.append(bytes);
    if (m_buffer.size() >= kBlock)
        flush();
}

void StandardOutput::flush()
{
    qsizetype done = 0;
    while (done < m_buffer.size()) {
        const ssize_t written =
            ::write(STDOUT_FILENO, m_buffer.constData() + done, m_buffer.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            m_buffer.clear();
            if (error == EPIPE)
                throw OutputClosed{};
            throw Failure::fromErrno(error, texts::kCannotWriteOutput());
        }
        done += written;
    }
    m_buffer.clear();
}

FileOutput::FileOutput(const QString& path)
    : m_file(path)
{
    m_file.open();
}

} // namespace quillfen::cli
