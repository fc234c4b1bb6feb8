#pragma once

// The fault matrix: the real main window (offscreen, fake dialogs) driven through its commands
// with bad input. Each case checks that the program neither crashes nor hangs, that the user
// is told what went wrong (or nothing, where silence is the rule), and that nothing is lost:
// the file list, the results and any earlier file on disk stay as they were.

#include "support/TempTree.h"
#include "support/WindowFixture.h"

#include <QDebug>
#include <QString>
#include <QStringList>

#include <functional>

#include <sys/types.h>

namespace quillfen::test {

// What went wrong in one case. Collected rather than asserted, so that a case can also run in
// a child process as an unprivileged user, where a failed assertion would not reach the test.
class Problems {
public:
    void expect(bool ok, const QString& what)
    {
        if (!ok)
            m_list.append(what);
    }
    template <class Got, class Want>
    void equal(const Got& got, const Want& want, const QString& what)
    {
        if (got == want)
            return;
        m_list.append(what + QStringLiteral(": got ") + shown(got) + QStringLiteral(" but wanted ")
                      + shown(want));
    }
    void add(const Problems& other) { m_list.append(other.m_list); }
    bool empty() const { return m_list.isEmpty(); }
    const QStringList& list() const { return m_list; }

private:
    template <class T> static QString shown(const T& value)
    {
        QString text;
        QDebug(&text) << value;
        return text;
    }

    QStringList m_list;
};

// Fails the running test once per problem.
void expectNone(const Problems& problems);

// Runs `body` in a child process as "nobody" (when the tests run as root), so that file
// permissions hold, and fails the running test with the problems the child found.
void expectNoneUnprivileged(const std::function<Problems()>& body);

// A window under test with the commands of the matrix at hand.
class FaultMatrix : public WindowFixture {
protected:
    QStringList fileListTexts();
    // Every results row as its cells, the path first.
    QList<QStringList> resultRows();
    QStringList errorReports() const { return desktop.messages->reports(); }
    // The texts of the boxes shown since `from` boxes had been shown.
    QStringList messagesSince(size_t from) const;

    // The commands, answering their dialogs as given.
    void scan(const QString& extension, const QString& folder);
    void extract();
    void saveReport(const QString& path);
    void copyResults();
    void exportResults();

    // Runs every command that reads the lists: extraction, text report (to `reportPath`),
    // clipboard and workbook. Each must leave the file list as it was, give one results row
    // per listed file, one report line per row and one clipboard line per row, and show no
    // error report.
    Problems runPipeline(const QString& reportPath);
};

// The lines of a text that end in CR LF.
int crlfLines(const QByteArray& text);
QByteArray readFile(const QString& path);
// The entries of a folder other than "." and "..", as raw names.
QList<QByteArray> folderEntries(const QString& folder);

void setMode(const QString& path, mode_t mode);

// Special entries; false (with the reason in `why`) when the system does not allow it here.
bool makeSocket(const QString& path, QString& why);
bool makeCharacterDevice(const QString& path, QString& why);
// A file given by its raw bytes, for names that are not valid UTF-8.
void makeRawFile(const QByteArray& path);
// Folders nested below `root` until the folder path is `length` characters long, made one
// level at a time relative to its parent, so the total may pass the system's path limit; with
// a `fileName`, an empty file of that name at the bottom.
QString makeDeepFolder(const QString& root, int length, const QByteArray& fileName = {});
// Removes a tree of any depth, one level at a time relative to its parent.
void removeTree(const QString& path);

// A small tmpfs mounted at a folder for the life of the object (root only).
class TmpfsMount {
public:
    TmpfsMount(const QString& folder, qint64 bytes);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return m_mounted; }
    QString why() const { return m_why; }

private:
    QByteArray m_folder;
    bool m_mounted = false;
    QString m_why;
};

// Writes a file in `folder` until the file system is full, then gives back `leaveBytes`.
void fillFileSystem(const QString& folder, qint64 leaveBytes = 0);

} // namespace quillfen::test
