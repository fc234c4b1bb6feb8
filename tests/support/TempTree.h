#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <ctime>

namespace quillfen::test {

// A temporary folder tree, removed with the object. Paths given to it are relative to the
// root; each call returns the absolute path it made.
class TempTree {
public:
    TempTree();

    QString root() const { return m_dir.path(); }
    QString path(const QString& relative) const;

    QString file(const QString& relative, const QByteArray& content = {});
    QString folder(const QString& relative);
    QString symlink(const QString& target, const QString& relative);
    QString fifo(const QString& relative);
    // Sets modification and access time (seconds since the epoch, UTC).
    void setTimes(const QString& relative, time_t modified, time_t accessed);

private:
    QTemporaryDir m_dir;
};

} // namespace quillfen::test
