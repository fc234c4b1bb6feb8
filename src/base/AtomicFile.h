#pragma once

// Layer base: shared by every layer; uses Qt Core only.

#include <QByteArray>
#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

namespace quillfen {

// A file written as a whole: the bytes go to a temporary file beside it, which takes the
// file's place only on commit(), so a failed or abandoned write leaves an earlier file as it
// was. Every failure to write is reported, including a short write on a full disk.
class AtomicFile {
public:
    explicit AtomicFile(const QString& fileName);

    // Throws a Failure when the temporary file cannot be made.
    void open();
    bool isOpen() const { return m_open; }

    // Buffered; throws a Failure when the bytes cannot be written.
    void write(QByteArrayView bytes);
    // Writes what is buffered and waits until the bytes are on the disk, the slow part of
    // putting a file in place, which a caller may do on another thread before commit().
    void syncToDisk();
    // Puts the file in place; throws a Failure when that or the last write fails.
    void commit();
    // Drops what was written; the earlier file stays. Nothing more is written or committed.
    void abandon();

private:
    void flush();

    QSaveFile m_file;
    QByteArray m_buffer;
    bool m_open = false;
};

} // namespace quillfen
