// quillfen-cli run as a program, the way scripts and pipelines run it. The test programs run
// with TZ=Europe/Berlin and an en_US locale, which the program inherits.

#include "support/Stamps.h"
#include "support/TempTree.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

struct Ran {
    int status = -1; // -1: did not end normally
    int signal = 0;  // when it ended by a signal
    QByteArray out;
    QByteArray err;
};

Ran finish(QProcess& process)
{
    Ran ran;
    EXPECT_TRUE(process.waitForFinished(120000)) << "hangs";
    ran.out = process.readAllStandardOutput();
    ran.err = process.readAllStandardError();
    if (process.exitStatus() == QProcess::NormalExit)
        ran.status = process.exitCode();
    else
        ran.signal = process.exitCode();
    return ran;
}

// Runs `program` (quillfen-cli unless given) with the arguments and standard input.
Ran run(const QStringList& arguments, const QByteArray& input = {},
        const QString& program = QStringLiteral(QUILLFEN_CLI))
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForStarted()) << program.toStdString();
    process.write(input);
    process.closeWriteChannel();
    return finish(process);
}

// Runs quillfen-cli as the unprivileged user "nobody" when the tests run as root, from a copy
// in `tree` (which nobody may reach), so permissions are enforced.
Ran runUnprivileged(TempTree& tree, const QStringList& arguments)
{
    if (::geteuid() != 0)
        return run(arguments);
    const QString copy = tree.path(QStringLiteral("quillfen-cli"));
    QFile::copy(QStringLiteral(QUILLFEN_CLI), copy);
    ::chmod(QFile::encodeName(tree.root()).constData(), 0755);
    ::chmod(QFile::encodeName(copy).constData(), 0755);
    return run(QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", copy} + arguments,
               {}, QStringLiteral("setpriv"));
}

// Python's own readers, as the people who use the output use them.
QJsonArray readWithPython(const char* script, const QByteArray& input)
{
    const Ran ran =
        run({"-c", QString::fromUtf8(script)}, input, QStringLiteral("/usr/bin/python3"));
    EXPECT_EQ(ran.status, 0) << ran.err.toStdString();
    return QJsonDocument::fromJson(ran.out).array();
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class QuillfenCli : public WindowFixture {
protected:
    TempTree tree;
};

} // namespace

TEST_F(QuillfenCli, TextAndTsvAreTheWindowsReportAndClipboardText)
{
    tree.file("T/report.doc");
    tree.file("T/sub/Änderungen 2021.txt");
    tree.file("T/sub/日本語.txt");
    tree.file("T/.hidden");
    tree.file("T/~skipped");
    tree.setTimes("T/report.doc", kSummer, kWinter);
    tree.setTimes("T/sub/日本語.txt", kBerlinMidnight, kBerlinMidnight);
    start();
    desktop.input->answers = {"*"};
    desktop.folderBrowser->answers = {tree.path("T")};
    mainWindow().addFolderButton()->click();
    mainWindow().startButton()->click();
    desktop.fileDialogs->saveAnswers = {tree.path("window.txt")};
    mainWindow().saveTextButton()->click();
    mainWindow().copyButton()->click();
    ASSERT_EQ(mainWindow().resultsList().rows().rows(), 3);

    const Ran text = run({"--format", "text", tree.path("T")});
    EXPECT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_EQ(text.out, contentOf(tree.path("window.txt")));
    const Ran tsv = run({tree.path("T")}); // tsv is the default on standard output
    EXPECT_EQ(QString::fromUtf8(tsv.out), desktop.clipboard->text.value_or("<none>"));
    EXPECT_TRUE(tsv.err.isEmpty()) << tsv.err.toStdString();
}

TEST_F(QuillfenCli, CsvPathsWithCommasQuotesAndLineBreaksReadBackInPython)
{
    const QStringList names{"a,b.txt", "say \"hi\".txt", "two\nlines.txt", "plain.txt"};
    for (const QString& name : names)
        tree.file("C/" + name);
    const Ran csv = run({"--format", "csv", "--bom", "--dates", "modified", tree.path("C")});
    ASSERT_EQ(csv.status, 0) << csv.err.toStdString();
    EXPECT_TRUE(csv.out.startsWith("\xEF\xBB\xBF"
                                   "Filename,Date Modified\r\n"));
    const QJsonArray rows = readWithPython(
        "import csv, io, json, sys\n"
        "text = io.TextIOWrapper(sys.stdin.buffer, encoding='utf-8-sig', newline='')\n"
        "print(json.dumps(list(csv.reader(text))))",
        csv.out);
    ASSERT_EQ(rows.size(), names.size() + 1);
    QStringList listed;
    for (int i = 1; i < rows.size(); ++i) {
        const QJsonArray row = rows[i].toArray();
        EXPECT_EQ(row.size(), 2);
        EXPECT_TRUE(row[1].toString().contains(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT")));
        listed.append(row[0].toString().remove(tree.path("C/")));
    }
    listed.sort();
    QStringList expected = names;
    expected.sort();
    EXPECT_EQ(listed, expected);
}

TEST_F(QuillfenCli, FilesFromTakesPathsByLineOrByNulAndAnyNameSurvivesJsonLines)
{
    tree.folder("N");
    const QByteArray folder = QFile::encodeName(tree.path("N"));
    const QByteArray oddName = folder + "/not utf-8 \xff\xfe.txt";
    const int fd = ::open(oddName.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const QByteArray plain = QFile::encodeName(tree.file("N/plain.txt"));
    const QByteArray missing = folder + "/missing.txt";

    for (const char separator : {'\0', '\n'}) {
        const QByteArray input = oddName + separator + plain + separator + missing;
        QStringList arguments{"--format", "jsonl", "--files-from", "-"};
        if (separator == '\0')
            arguments.append("-0");
        const Ran jsonl = run(arguments, input);
        EXPECT_EQ(jsonl.status, 1); // the missing one
        EXPECT_EQ(jsonl.err,
                  "quillfen-cli: cannot read '" + missing + "': No such file or directory\n");
        // Python decodes each line and turns the path back into bytes, shown in hex.
        const QJsonArray rows = readWithPython(
            "import json, os, sys\n"
            "rows = [json.loads(line) for line in sys.stdin.buffer.read().decode().splitlines()]\n"
            "print(json.dumps([[os.fsencode(r['path']).hex(), r['created'] is None or "
            "r['created'][:2] == '20', r['modified']] for r in rows]))",
            jsonl.out);
        ASSERT_EQ(rows.size(), 3);
        EXPECT_EQ(rows[0].toArray()[0].toString().toLatin1(), oddName.toHex());
        EXPECT_EQ(rows[1].toArray()[0].toString().toLatin1(), plain.toHex());
        EXPECT_TRUE(rows[1].toArray()[1].toBool());
        EXPECT_TRUE(rows[2].toArray()[2].isNull());
    }
}

TEST_F(QuillfenCli, ExitStatusSaysWhetherEveryEntryWasRead)
{
    const QString file = tree.file("a.txt");
    const struct {
        QStringList arguments;
        int status;
        const char* error; // begins the first line on standard error; "" for none
    } cases[] = {
        {{file}, 0, ""},
        {{file, tree.path("gone.txt")}, 1, "quillfen-cli: cannot read '"},
        {{"--format", "csv"}, 2, "quillfen-cli: no PATH"},
        {{"-o", tree.path("no-folder/out.csv"), file}, 2, "quillfen-cli: cannot write '"},
        {{"--help"}, 0, ""},
    };
    for (const auto& c : cases) {
        const Ran ran = run(c.arguments);
        EXPECT_EQ(ran.status, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(ran.err.startsWith(c.error)) << ran.err.toStdString();
        EXPECT_EQ(ran.err.isEmpty(), *c.error == 0) << ran.err.toStdString();
    }
}

TEST_F(QuillfenCli, AnOutputThatCannotBeWrittenKeepsTheEarlierFileAndExitsTwo)
{
    const QString file = tree.file("a.txt");
    const QString earlier = tree.file("locked/out.csv", "earlier rows");
    ::chmod(QFile::encodeName(earlier).constData(), 0666);
    ::chmod(QFile::encodeName(tree.path("locked")).constData(), 0555);
    const Ran ran = runUnprivileged(tree, {"-o", earlier, file});
    ::chmod(QFile::encodeName(tree.path("locked")).constData(), 0755);
    EXPECT_EQ(ran.status, 2);
    EXPECT_TRUE(ran.err.startsWith("quillfen-cli: cannot write '")) << ran.err.toStdString();
    EXPECT_EQ(contentOf(earlier), "earlier rows");
    EXPECT_EQ(QDir(tree.path("locked")).entryList(QDir::Files | QDir::Hidden),
              QStringList("out.csv"));
}

TEST_F(QuillfenCli, AClosedPipeEndsTheRunQuietly)
{
    for (int i = 0; i < 3000; ++i)
        tree.file(QStringLiteral("P/f%1").arg(i));
    const Ran ran =
        run({"-c", "set -o pipefail; \"$0\" --format csv \"$1\" | head -c 100 >/dev/null",
             QStringLiteral(QUILLFEN_CLI), tree.path("P")},
            {}, QStringLiteral("bash"));
    EXPECT_EQ(ran.status, 0);
    EXPECT_FALSE(ran.err.contains("quillfen-cli")) << ran.err.toStdString(); // bash may warn
}

TEST_F(QuillfenCli, AnInterruptedRunLeavesTheEarlierFileAndNothingElse)
{
    const QString file = tree.file("a.txt");
    // A workbook is drafted under a name of its own beside its place.
    const QString out = tree.file("out/rows.xlsx", "earlier rows");
    QProcess process;
    process.start(QStringLiteral(QUILLFEN_CLI), {"--files-from", "-", "-o", out});
    ASSERT_TRUE(process.waitForStarted());
    // The run has begun its workbook and waits for more paths when Ctrl-C comes.
    process.write(QFile::encodeName(file) + '\n');
    QThread::msleep(300);
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    const Ran ran = finish(process);
    EXPECT_EQ(ran.signal, SIGINT);
    EXPECT_EQ(contentOf(out), "earlier rows");
    EXPECT_EQ(QDir(tree.path("out")).entryList(QDir::Files | QDir::Hidden),
              QStringList("rows.xlsx"));
}

TEST_F(QuillfenCli, AFolderThatCannotBeReadIsNamedAndTheRestListed)
{
    const QString listed = tree.file("U/ok.txt");
    tree.file("U/locked/secret.txt");
    ::chmod(QFile::encodeName(tree.path("U/locked")).constData(), 0);
    const Ran ran =
        runUnprivileged(tree, {"--format", "csv", "--dates", "modified", tree.path("U")});
    ::chmod(QFile::encodeName(tree.path("U/locked")).constData(), 0755);
    EXPECT_EQ(ran.status, 1);
    EXPECT_EQ(ran.err,
              "quillfen-cli: cannot read folder '" + QFile::encodeName(tree.path("U/locked"))
                  + "': Permission denied\n");
    EXPECT_TRUE(ran.out.contains(QFile::encodeName(listed) + ",20"));
    EXPECT_FALSE(ran.out.contains("secret"));
}
