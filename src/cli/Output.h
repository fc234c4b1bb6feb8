#pragma once

// Layer cli: the command-line program; uses files, dates, table and base (Qt Core only).

#include "base/AtomicFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace quillfen::cli {

// Thrown when the reader of standard output has gone (a closed pipe, as after `| head`): the
// run ends there, quietly. Not a std::exception, so nothing on the way reports it.
struct OutputClosed {};

// Where the report's bytes go, buffered.
class ByteOutput {
public:
    virtual ~ByteOutput() = default;
    // Throws a Failure when the bytes cannot be written, OutputClosed when nobody reads them.
    virtual void write(QByteArrayView bytes) = 0;
    // Writes what is buffered; a file is put in place.
    virtual void finish() = 0;
    // Drops what is buffered: the run ends without its output, and a file is not put in place.
    virtual void discard() = 0;
};

// Standard output, written as it comes (in blocks), so a pipeline gets rows as they are read.
class StandardOutput final : public ByteOutput {
public:
    ~StandardOutput() override;
    void write(QByteArrayView bytes) override;
    void finish() override { flush(); }
    void discard() override { m_buffer.clear(); }

private:
    void flush();
    QByteArray m_buffer;
};

// A file that replaces an earlier one only once it is complete (see AtomicFile).
class FileOutput final : public ByteOutput {
public:
    // Throws a Failure when the file cannot be made.
    explicit FileOutput(const QString& path);
    void write(QByteArrayView bytes) override { m_file.write(bytes); }
    void finish() override { m_file.commit(); }
    void discard() override { m_file.abandon(); }

private:
    AtomicFile m_file;
};

} // namespace quillfen::cli
