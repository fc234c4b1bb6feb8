// quillfen-cli run as a program, the way scripts and pipelines run it. The test programs run
// with TZ=Europe/Berlin and an en_US locale, which the program inherits.

#include "support/Stamps.h"
#include "support/TempTree.h"
#include "support/WindowFixture.h"
#include "support/XlsxReadBack.h"

#include <QDateTime>
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

// A time in the form --time utc writes it.
QByteArray utcText(time_t seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(Qt::ISODate).toUtf8();
}

void makeFile(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0) << path.toStdString();
    ::close(fd);
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

TEST_F(QuillfenCli, TextAndClipboardAreTheWindowsReportAndClipboardText)
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
    const Ran clipboard = run({"--format", "clipboard", tree.path("T")});
    EXPECT_EQ(QString::fromUtf8(clipboard.out), desktop.clipboard->text.value_or("<none>"));
    EXPECT_TRUE(clipboard.err.isEmpty()) << clipboard.err.toStdString();
}

TEST_F(QuillfenCli, TsvColumnsComeInTheirOrderEscapedWithTheValuesOfLstat)
{
    const struct {
        QString name;
        QByteArray content;
        QByteArray inTsv;
    } files[] = {
        {"tab\there.txt", "12345", "tab\\there.txt"},
        {"two\nlines", "", "two\\nlines"},
        {"cr\rend", "x", "cr\\rend"},
        {"back\\slash\\t", "abc", "back\\\\slash\\\\t"},
        {"plain ü.txt", "", "plain ü.txt"},
        {"link", "", "link"}, // a link's own size and times, not its target's
    };
    for (const auto& file : files) {
        if (file.name == "link")
            tree.symlink(tree.path("V/tab\there.txt"), "V/link");
        else
            tree.file("V/" + file.name, file.content);
        tree.setTimes("V/" + file.name, kSummer, kWinter); // the status changes now
    }

    // The path among the others, the times in the order given: a mix-up shows.
    const Ran tsv =
        run({"--columns", "size,path,changed,accessed,modified", "--time", "utc", tree.path("V")});
    ASSERT_EQ(tsv.status, 0) << tsv.err.toStdString();
    QList<QByteArray> lines = tsv.out.split('\n');
    EXPECT_EQ(lines.takeLast(), ""); // every line ends in LF
    EXPECT_EQ(lines.takeFirst(), "Size\tFilename\tDate Changed\tDate Accessed\tDate Modified");
    ASSERT_EQ(lines.size(), std::size(files));
    QMap<QByteArray, QList<QByteArray>> rows; // by the path as written
    for (const QByteArray& line : lines)
        rows.insert(line.split('\t').value(1), line.split('\t'));
    const QByteArray folder = QFile::encodeName(tree.path("V/"));
    for (const auto& file : files) {
        struct stat info {};
        ASSERT_EQ(::lstat(QFile::encodeName(tree.path("V/" + file.name)).constData(), &info), 0);
        const QList<QByteArray> fields = rows.value(folder + file.inTsv);
        ASSERT_EQ(fields.size(), 5) << file.inTsv.toStdString();
        EXPECT_EQ(fields[0], QByteArray::number(qint64(info.st_size))) << file.inTsv.toStdString();
        EXPECT_EQ(fields[2], utcText(info.st_ctim.tv_sec));
        if (file.name != "link") { // the walk reads a link to learn whether it leads to a folder
            EXPECT_EQ(fields[3], utcText(kWinter)) << file.inTsv.toStdString();
        }
        EXPECT_EQ(fields[4], utcText(kSummer));
    }

    // The workbook keeps the size as a number beside the path as a text.
    const Ran xlsx = run({"--columns", "path,size", "-o", tree.path("V.xlsx"), tree.path("V")});
    ASSERT_EQ(xlsx.status, 0) << xlsx.err.toStdString();
    const SheetReadBack sheet = readBackXlsx(tree.path("V.xlsx"));
    ASSERT_TRUE(sheet.error.isEmpty()) << sheet.error.toStdString();
    EXPECT_EQ(sheet.texts.value("B1"), "Size");
    for (int row = 2; row <= int(std::size(files)) + 1; ++row) {
        EXPECT_EQ(sheet.types.value(QStringLiteral("A%1").arg(row)), "inlineStr") << row;
        EXPECT_EQ(sheet.types.value(QStringLiteral("B%1").arg(row)), "n") << row;
    }
}

TEST_F(QuillfenCli, ANameThatIsNotUtf8IsListedInEveryFormatAndReadsBackWhereItCan)
{
    // A file and a folder so named, and a plain file between them.
    const QByteArray folder = QFile::encodeName(tree.folder("B"));
    const QList<QByteArray> names{folder + "/odd \xff\xfe.txt", folder + "/plain.txt",
                                  folder + "/\xfe dir/inner.txt"};
    ASSERT_EQ(::mkdir((folder + "/\xfe dir").constData(), 0755), 0);
    for (const QByteArray& name : names)
        makeFile(name);
    QStringList expected;
    for (const QByteArray& name : names)
        expected.append(QString::fromLatin1(name.toHex()));
    expected.sort();

    // Each read back as its users read it, the paths' bytes printed in hex.
    const std::pair<const char*, const char*> exact[] = {
        {"jsonl",
         "paths = [os.fsencode(json.loads(line)['path'])\n"
         "         for line in data.decode().splitlines()]"},
        {"csv",
         "text = io.StringIO(data.decode(errors='surrogateescape'), newline='')\n"
         "paths = [os.fsencode(row[0]) for row in list(csv.reader(text))[1:]]"},
        {"tsv", R"(def plain(m):
    e = m.group(1)
    return bytes([int(e[1:], 16)]) if e[:1] == b'x' else {b't': b'\t', b'n': b'\n',
                                                          b'r': b'\r', b'\\': b'\\'}[e]
data.decode()  # UTF-8 throughout
paths = [re.sub(rb'\\(x[0-9a-f]{2}|.)', plain, line.split(b'\t')[0])
         for line in data.split(b'\n')[1:-1]])"},
    };
    for (const auto& [format, reader] : exact) {
        const Ran ran = run({"--format", format, tree.path("B")});
        EXPECT_EQ(ran.status, 0) << format << ran.err.toStdString();
        EXPECT_TRUE(ran.err.isEmpty()) << ran.err.toStdString();
        const QJsonArray paths = readWithPython(
            (std::string("import csv, io, json, os, re, sys\ndata = sys.stdin.buffer.read()\n")
             + reader + "\nprint(json.dumps(sorted(p.hex() for p in paths)))")
                .c_str(),
            ran.out);
        EXPECT_EQ(paths.toVariantList(), QVariant(expected).toList()) << format;
    }

    // The window's formats show such a name as the window would, and say so.
    for (const char* format : {"text", "clipboard"}) {
        const Ran ran = run({"--format", format, tree.path("B")});
        EXPECT_EQ(ran.status, 1) << format;
        EXPECT_EQ(ran.out.count('\n'), names.size() + (format == QByteArray("text") ? 1 : 0));
        for (const QByteArray& name : names) {
            EXPECT_TRUE(ran.out.contains(QString::fromUtf8(name).toUtf8())) << format;
            EXPECT_EQ(ran.err.contains(name), name != names[1]) << format;
        }
    }
    // The temporary tree cannot remove what it cannot name.
    for (const QByteArray& name : names)
        ::unlink(name.constData());
    ::rmdir((folder + "/\xfe dir").constData());
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
    ::unlink(oddName.constData()); // the temporary tree cannot remove what it cannot name
}

TEST_F(QuillfenCli, ExitStatusSaysWhetherEveryEntryWasRead)
{
    const QString file = tree.file("a.txt");
    const QString out = tree.path("out.csv");
    // What `find -print0` gives, read by lines: one path made of them all.
    const QByteArray nulEnded = QFile::encodeName(file) + '\0' + QFile::encodeName(file) + '\0';
    const struct {
        QStringList arguments;
        QByteArray input;
        int status;
        const char* error; // begins the first line on standard error; "" for none
    } cases[] = {
        {{file}, {}, 0, ""},
        {{file, tree.path("gone.txt")}, {}, 1, "quillfen-cli: cannot read '"},
        {{"--format", "csv"}, {}, 2, "quillfen-cli: no PATH"},
        {{"--modified-after", "last week", file},
         {},
         2,
         "quillfen-cli: --modified-after takes a date"},
        {{"-o", tree.path("no-folder/out.csv"), file}, {}, 2, "quillfen-cli: cannot write '"},
        {{"--files-from", "-", "-o", out}, nulEnded, 2, "quillfen-cli: a path read from '-' holds"},
        {{"--files-from", "-"}, nulEnded, 2, "quillfen-cli: a path read from '-' holds"},
        {{"--files-from", "-", "-0", "-o", out}, nulEnded, 0, ""},
        {{"--help"}, {}, 0, ""},
    };
    for (const auto& c : cases) {
        const Ran ran = run(c.arguments, c.input);
        EXPECT_EQ(ran.status, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(ran.err.startsWith(c.error)) << ran.err.toStdString();
        EXPECT_EQ(ran.err.isEmpty(), *c.error == 0) << ran.err.toStdString();
        if (c.status == 2) {
            EXPECT_TRUE(ran.out.isEmpty()) << ran.out.toStdString();
            EXPECT_FALSE(QFile::exists(out)) << c.arguments.join(' ').toStdString();
        }
    }
    EXPECT_EQ(contentOf(out).count('\n'), 3); // the last case's header and two rows
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

TEST_F(QuillfenCli, FiltersKeepWhatFindKeepsAndTheTextFitsTheRowsKept)
{
    // Ages far from the bounds, so the two programs' "now" cannot tell them apart. The walk
    // leaves out hidden plain files and names beginning with "~"; find is told to as well.
    const std::pair<const char*, const char*> files[] = {
        {"F/new.txt", "1 day ago"},
        {"F/old.log", "30 days ago"},
        {"F/sub/old.txt", "8 days ago"},
        {"F/sub/deep/new.LOG", "6 days ago"},
        {"F/sub/a much longer name than the others, written 9 days ago.txt", "9 days ago"},
        {"F/.hidden", "1 hour ago"},
        {"F/~draft.txt", "1 hour ago"},
        {"F/next.txt", "tomorrow"},
    };
    for (const auto& [name, age] : files) {
        tree.file(QString::fromUtf8(name));
        ASSERT_EQ(run({"-d", age, tree.path(QString::fromUtf8(name))}, {}, "touch").status, 0);
    }
    const struct {
        QStringList filters;
        const char* find;
    } cases[] = {
        {{"--modified-after", "7d"}, "-newermt '7 days ago'"},
        {{"--modified-after", "1w", "--name", ".TXT"}, "-newermt '7 days ago' -ipath '*.txt*'"},
        {{"--modified-before", "168h", "--name", "SUB/"},
         "! -newermt '7 days ago' -ipath '*sub/*'"},
        {{"--name", "*.log"}, "-iname '*.log'"},
        {{"--name", "*/sub/*.txt"}, "-ipath '*/sub/*.txt'"},
        {{"--modified-after", "2mo", "--modified-before", "2d"},
         "-newermt '2 months ago' ! -newermt '2 days ago'"},
    };
    for (const auto& c : cases) {
        const Ran found = run({"-c",
                               QStringLiteral("find \"$0\" -type f ! -name '.*' ! -name '~*' %1 "
                                              "| sort")
                                   .arg(QString::fromUtf8(c.find)),
                               tree.path("F")},
                              {}, "bash");
        ASSERT_EQ(found.status, 0) << found.err.toStdString();
        const Ran listed =
            run(QStringList{"--columns", "path"} + c.filters + QStringList{tree.path("F")});
        ASSERT_EQ(listed.status, 0) << listed.err.toStdString();
        QList<QByteArray> paths = listed.out.split('\n').mid(1);
        paths.removeAll({});
        const QByteArray inWalkOrder = paths.join('\n') + '\n';
        std::sort(paths.begin(), paths.end());
        EXPECT_EQ(paths.join('\n') + '\n', found.out) << c.find;

        // The report of the rows kept is that of those files alone: widths and all.
        const Ran text =
            run(QStringList{"--format", "text"} + c.filters + QStringList{tree.path("F")});
        const Ran alone = run({"--format", "text", "--files-from", "-"}, inWalkOrder);
        EXPECT_EQ(text.out, alone.out) << c.find;
    }
}

TEST_F(QuillfenCli, CompareSaysWhatChangedSinceASnapshotWhateverItsZoneOrPrecision)
{
    const QByteArray folder = QFile::encodeName(tree.folder("S"));
    makeFile(folder + "/odd \xff.txt");
    for (const char* name : {"same.txt", "grows.txt", "gone.txt", "touched.txt"})
        tree.file(QStringLiteral("S/") + name, "x");
    const auto shell = [&](const QString& script) {
        const Ran ran = run({"-c", script, QStringLiteral(QUILLFEN_CLI), tree.path("S")}, {},
                            QStringLiteral("bash"));
        EXPECT_EQ(ran.status, 0) << script.toStdString() << ran.err.toStdString();
    };
    shell("touch -d '2021-06-30 14:30:15.25' \"$1\"/*");
    // The full snapshot written in another zone; a listing in whole seconds in Berlin's.
    shell("TZ=Asia/Tokyo \"$0\" --format jsonl --ns --columns "
          "path,size,modified,created,accessed,changed \"$1\" > \"$1\"/../full.jsonl");
    shell("\"$0\" --format csv --columns path,size,modified \"$1\" > \"$1\"/../seconds.csv");
    shell("head -n 2 \"$1\"/../full.jsonl > \"$1\"/../cut.jsonl; head -c 20 \"$1\"/../full.jsonl "
          ">> \"$1\"/../cut.jsonl");
    // Grown, gone, new, and touched within the same second.
    shell("echo more >> \"$1\"/grows.txt; rm \"$1\"/gone.txt; : > \"$1\"/new.txt; "
          "touch -d '2021-06-30 14:30:15.75' \"$1\"/touched.txt");

    const QString full = tree.path("full.jsonl");
    const QString seconds = tree.path("seconds.csv");
    const struct {
        QStringList arguments;
        int status;
        QStringList rows; // "change path" as tsv writes them, the removed last
        const char* error;
    } cases[] = {
        {{"--compare", full, "--columns", "size,modified"},
         1,
         {"added new.txt", "changed:modified touched.txt", "changed:size,modified grows.txt",
          "removed gone.txt"},
         ""},
        {{"--compare", seconds},
         1,
         {"added new.txt", "changed:size,modified grows.txt", "removed gone.txt"},
         ""},
        {{"--compare", seconds, "--all", "--name", "SAME"}, 0, {"unchanged same.txt"}, ""},
        {{"--compare", full, "--all", "--name", "odd"}, 0, {"unchanged odd \\xff.txt"}, ""},
        {{"--compare", tree.path("cut.jsonl")}, 2, {}, "cut.jsonl, line 3: the file ends"},
        {{"--compare", tree.path("missing.jsonl")}, 2, {}, "Cannot read the snapshot"},
        {{"--all"}, 2, {}, "--all is for --compare only"},
    };
    for (const auto& c : cases) {
        const Ran ran = run(c.arguments + QStringList{tree.path("S")});
        const QString what = c.arguments.join(' ');
        EXPECT_EQ(ran.status, c.status) << what.toStdString() << ran.err.toStdString();
        EXPECT_TRUE(ran.err.contains(c.error)) << ran.err.toStdString();
        if (c.status == 2) {
            EXPECT_TRUE(ran.out.isEmpty()) << ran.out.toStdString();
            continue;
        }
        QStringList rows;
        QList<QByteArray> lines = ran.out.split('\n');
        EXPECT_TRUE(lines.takeFirst().startsWith("Change\tFilename\tOld "));
        lines.removeAll({});
        for (const QByteArray& line : lines) {
            const QList<QByteArray> fields = line.split('\t');
            rows.append(
                QString::fromUtf8(fields[0] + ' ' + fields.value(1).mid(folder.size() + 1)));
        }
        // Rows in the walk's order (of a folder's listing), the removed after them.
        std::sort(rows.begin(),
                  rows.end() - (rows.size() > 1 && rows.last().startsWith("removed")));
        EXPECT_EQ(rows, c.rows) << what.toStdString();
    }
    // A reader that stops early does not turn "different" into "the same".
    const Ran cut =
        run({"-c", "set -o pipefail; \"$0\" --compare \"$2\" \"$1\" | head -c 1 >/dev/null",
             QStringLiteral(QUILLFEN_CLI), tree.path("S"), full},
            {}, QStringLiteral("bash"));
    EXPECT_EQ(cut.status, 1) << cut.err.toStdString();
    ::unlink((folder + "/odd \xff.txt").constData()); // the temporary tree cannot remove it
}

TEST_F(QuillfenCli, UnderAGermanLocaleWordsForPeopleAreGermanAndWhatScriptsReadIsNot)
{
    const QString file = tree.file("a.txt", "x");
    struct Case {
        QString program;
        QStringList arguments;
        int status;
        QByteArray begins; // the output's, standard error's when empty
        QByteArray error;
    };
    const QString cli = QStringLiteral(QUILLFEN_CLI);
    const QString window = QStringLiteral(QUILLFEN_WINDOW);
    const Case cases[] = {
        {cli,
         {"--format", "csv", file},
         0,
         "Filename,Date Modified,Date Created,Date Accessed\r\n",
         {}},
        {cli,
         {"--format", "tsv", "--columns", "path,size,changed", file},
         0,
         "Filename\tSize\tDate Changed\n",
         {}},
        {cli, {"--format", "jsonl", "--dates", "modified", file}, 0, "{\"path\":", {}},
        {cli, {"--format", "text", "--columns", "path,size", file}, 0, "Dateiname", {}},
        {cli, {"--help"}, 0, "Aufruf: quillfen-cli", {}},
        {cli, {"--format", "xml", file}, 2, {}, "quillfen-cli: unbekanntes Format 'xml'"},
        // The window answers on the terminal without a display.
        {window, {"--help"}, 0, "Aufruf: quillfen [PFAD]", {}},
        {window, {"--version"}, 0, "quillfen 0.1.0\n", {}},
        {window, {file}, 1, {}, "quillfen: keine grafische Anzeige gefunden"},
    };
    for (const Case& c : cases) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("LC_ALL");
        environment.remove("QT_QPA_PLATFORM");
        environment.insert("LANG", "de_DE.UTF-8");
        process.setProcessEnvironment(environment);
        process.start(c.program, c.arguments);
        const Ran ran = finish(process);
        const std::string what = (c.program + ' ' + c.arguments.join(' ')).toStdString();
        EXPECT_EQ(ran.status, c.status) << what << '\n' << ran.err.toStdString();
        EXPECT_TRUE(ran.out.startsWith(c.begins)) << what << '\n' << ran.out.toStdString();
        EXPECT_TRUE(ran.err.startsWith(c.error)) << what << '\n' << ran.err.toStdString();
    }
}
