#include "commands/SampleFiles.h"
#include "support/TempTree.h"
#include "support/Unprivileged.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

class Samples : public WindowFixture {
protected:
    Samples() { desktop.platform.programFilesFolder = program.root(); }

    // The sample files in the order the file system lists them.
    QStringList listingOrder()
    {
        QStringList paths;
        DIR* dir = ::opendir(QFile::encodeName(program.path("Samples")).constData());
        while (const dirent* entry = ::readdir(dir)) {
            const QString name = QFile::decodeName(entry->d_name);
            if (name != "." && name != "..")
                paths.append(program.path("Samples/" + name));
        }
        ::closedir(dir);
        return paths;
    }
    QStringList listed()
    {
        QStringList paths;
        for (int i = 0; i < mainWindow().fileList().rows().rows(); ++i)
            paths.append(mainWindow().fileList().rows().text(i));
        return paths;
    }
    QString snapshot() { return desktop.settings->values.value(settingsKey("Snapshot")); }

    TempTree program;
};

const QString kQuestion =
    "Would you like this software to open the folder where these sample files are stored (so "
    "that you can view them before working with them)?";

} // namespace

TEST_F(Samples, FirstStartRecordsTheSamplesAndTheButtonAddsThemOnce)
{
    program.file("Samples/notes.txt", "a");
    program.file("Samples/data.csv", "b");
    program.file("Samples/picture.png", "c");
    program.folder("Samples/not-a-file");
    start();
    const QStringList samples = listingOrder().filter(QRegularExpression("\\.(txt|csv|png)$"));
    EXPECT_EQ(snapshot(), samples.join('|'));
    EXPECT_TRUE(desktop.messages->shown.empty());

    mainWindow().samplesButton()->click();
    EXPECT_EQ(listed(), samples);
    ASSERT_EQ(desktop.messages->shown.size(), 1u);
    EXPECT_EQ(desktop.messages->shown[0].text, kQuestion);
    EXPECT_EQ(desktop.messages->shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(desktop.messages->shown[0].icon, MessageIcon::None);
    EXPECT_EQ(desktop.messages->shown[0].caption, "Quillfen");
    EXPECT_TRUE(desktop.shell->openedFolders.isEmpty()); // answered No

    desktop.messages->answers = {MessageAnswer::Yes};
    mainWindow().samplesButton()->click();
    EXPECT_EQ(listed(), samples); // nothing added the second time
    EXPECT_EQ(desktop.messages->shown.size(), 2u);
    EXPECT_EQ(desktop.shell->openedFolders, QStringList(program.path("Samples")));
}

TEST_F(Samples, DeletedSamplesAreSkippedAndNewOnesNeverAdded)
{
    program.file("Samples/one.txt");
    program.file("Samples/two.txt");
    start();
    QFile::remove(program.path("Samples/one.txt"));
    program.file("Samples/three.txt");
    mainWindow().fileList().rows().appendRow(
        program.path("Samples/TWO.txt")); // differs in case only
    mainWindow().samplesButton()->click();
    EXPECT_EQ(listed(),
              QStringList({program.path("Samples/TWO.txt"), program.path("Samples/two.txt")}));
}

TEST_F(Samples, WithoutTheFolderAnEmptyListIsRecordedUntilFilesAppear)
{
    start();
    EXPECT_TRUE(desktop.settings->values.contains(settingsKey("Snapshot")));
    EXPECT_EQ(snapshot(), "");
    mainWindow().samplesButton()->click();
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(desktop.messages->texts(), QStringList(kQuestion));

    // The next start records the files that are there by then.
    program.file("Samples/late.txt");
    recordSampleFiles(*desktop.settings, mainWindow().platform().programFilesFolder);
    EXPECT_EQ(snapshot(), program.path("Samples/late.txt"));
}

TEST_F(Samples, RecordedListIsNotRefreshedOnceItHoldsPaths)
{
    desktop.settings->values[settingsKey("Snapshot")] = "/somewhere/else.txt";
    program.file("Samples/notes.txt");
    start();
    EXPECT_EQ(snapshot(), "/somewhere/else.txt");
}

TEST_F(Samples, FailureWhileLoadingIsReportedAndTheQuestionNotAsked)
{
    start();
    desktop.settings->failReads = true;
    mainWindow().samplesButton()->click();
    const QStringList texts = desktop.messages->texts();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].contains("in Tessary2021/08/31.Form1.PushButton9_Click at line 100"));
}

TEST_F(Samples, UnreadableFolderIsReportedAndNothingRecorded)
{
    program.file("Samples/one.txt");
    ::chmod(QFile::encodeName(program.root()).constData(), 0755);
    ::chmod(QFile::encodeName(program.path("Samples")).constData(), 0);
    const int result = runUnprivileged([&] {
        start();
        const QStringList reports = desktop.messages->reports();
        const bool ok = reports.size() == 1 && reports[0].contains("Form_Load at line 110")
            && !desktop.settings->values.contains(settingsKey("Snapshot"));
        return ok ? 0 : 1;
    });
    ::chmod(QFile::encodeName(program.path("Samples")).constData(), 0755);
    EXPECT_EQ(result, 0);
}

TEST(listContainsText, ComparesExactly)
{
    TextTable list;
    EXPECT_FALSE(listContainsText(list, ""));
    list.addColumn("File(s)");
    list.appendRows({"/a/B", "/c"});
    EXPECT_TRUE(listContainsText(list, "/c"));
    EXPECT_FALSE(listContainsText(list, "/a/b"));
    EXPECT_FALSE(listContainsText(list, "/c "));
}
