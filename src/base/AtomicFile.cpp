#include "base/AtomicFile.h"

#include "base/Failure.h"

#include <cerrno>

#include <unistd.h>

namespace quillfen {

namespace {
constexpr qsizetype kFlushSize = 1 << 20;
}

AtomicFile::AtomicFile(const QString& fileName)
    : m_file(fileName)
{
}

void AtomicFile::open()
{
    // Unbuffered: this class buffers itself, and a write error that only surfaced when
    // QSaveFile flushed its own buffer at commit() would be lost, so a full disk would put a
    // cut-off file in place of the earlier one and count as success.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Failure(m_file.errorString());
    m_open = true;
}

void AtomicFile::write(QByteArrayView bytes)
{
    m_buffer.append(bytes);
    if (m_buffer.size() >= kFlushSize)
        flush();
}

void AtomicFile::syncToDisk()
{
    flush();
    if (::fdatasync(m_file.handle()) != 0 && errno != EINVAL)
        throw Failure::fromErrno(errno); // EINVAL: a file that cannot be synced, a pipe say
}

void AtomicFile::commit()
{
    flush();
    m_open = false;
    if (!m_file.commit())
        throw Failure(m_file.errorString());
}

void AtomicFile::abandon()
{
    m_file.cancelWriting();
    m_buffer.clear();
    m_open = false;
}

void AtomicFile::flush()
{
    if (m_buffer.isEmpty())
        return;
    errno = 0;
    const qint64 written = m_file.write(m_buffer);
    const int error = errno;
    const qint64 wanted = m_buffer.size();
    m_buffer.clear();
    if (written < 0)
        throw Failure(m_file.errorString());
    // A short write (a disk that filled up, a size limit) is not reported as an error by the
    // file device; the rest of the file would be missing.
    if (written != wanted)
        throw Failure::fromErrno(error != 0 ? error : EIO);
}

} // namespace quillfen
