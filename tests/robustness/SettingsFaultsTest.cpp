// The real settings store (an INI file in a temporary folder) in a bad state: corrupt, cut
// short, holding values that are not numbers, unreadable, unwritable. Start-up always shows
// the window; a value it cannot use is reported and leaves its box clear; a value that cannot
// be stored is said, never lost silently; the folder scan works whatever the store does; and
// a file the program cannot write keeps its content.

#include "robustness/FaultMatrix.h"

#include "desktop/QtDesktop.h"

#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

#include <array>

using namespace quillfen;
using namespace quillfen::test;

namespace {

struct SettingsCase {
    const char* name;
    bool unprivileged;
    QByteArray content;       // Orvane.ini; empty for none
    mode_t fileMode;          // its permissions
    mode_t folderMode;        // the configuration folder's
    bool fileIsAFolder;       // Orvane.ini is a folder instead
    int startReports;         // error reports shown by start-up
    std::array<int, 3> boxes; // the boxes after start-up
    bool writable;            // whether clicks and the scan can store their values
    QString extensionPreset;  // what the scan's prompt offers
};

void PrintTo(const SettingsCase& c, std::ostream* out)
{
    *out << c.name;
}

QByteArray binaryGarbage()
{
    QByteArray bytes;
    quint32 state = 12345;
    for (int i = 0; i < 600; ++i) {
        state = state * 1103515245u + 12345u;
        bytes.append(static_cast<char>(state >> 24));
    }
    return bytes + "\n[Quil";
}

// clang-format off
const SettingsCase kCases[] = {
    {"BinaryGarbage", false, binaryGarbage(), 0644, 0755, false, 0, {1, 1, 1}, true, "*"},
    {"GarbageAmongGoodLines", false,
     QByteArrayLiteral("[Quillfen]\nCheck1=0\n\xff\xfe\x00 garbage [[[ = =\nExtension=txt\n"), 0644, 0755, false, 0,
     {0, 1, 1}, true, "txt"},
    {"CutShort", false, "[Quillfen]\nCheck1=0\nCheck2=", 0644, 0755, false, 1, {0, 0, 1}, true,
     "*"},
    {"ValuesThatAreNotNumbers", false,
     "[Quillfen]\nCheck1=yes\nCheck2=1e9\nCheck3=\" 2 \"\nSnapshot=/x\n", 0644, 0755, false, 2,
     {0, 0, 2}, true, "*"},
    {"MoreValuesThatAreNotNumbers", false,
     "[Quillfen]\nCheck1=0x1\nCheck2=1, 0\nCheck3=-1\nSnapshot=/x\nExtension=\n", 0644, 0755,
     false, 3, {0, 0, 0}, true, ""},
    {"UnreadableFile", true, "[Quillfen]\nCheck1=0\nSnapshot=/x\n", 0000, 0777, false, 4,
     {1, 1, 1}, false, "*"},
    {"ReadOnlyFile", true, "[Quillfen]\nCheck1=1\nCheck2=0\nCheck3=1\nSnapshot=/x\n", 0444, 0777,
     false, 2, {1, 0, 1}, false, "*"},
    {"ReadOnlyFolder", true, {}, 0644, 0555, false, 4, {1, 1, 1}, false, "*"},
    {"SettingsFileIsAFolder", false, {}, 0644, 0755, true, 4, {1, 1, 1}, false, "*"},
};
// clang-format on

class SettingsFault : public FaultMatrix, public ::testing::WithParamInterface<SettingsCase> {
protected:
    TempTree tree;
};

} // namespace

TEST_P(SettingsFault, StartUpTheBoxesAndTheScanCopeAndNothingIsLost)
{
    const SettingsCase& c = GetParam();
    setMode(tree.root(), 0755);
    const QString folder = tree.folder(QStringLiteral("config"));
    const QString file = folder + QStringLiteral("/Orvane.ini");
    if (c.fileIsAFolder)
        tree.folder(QStringLiteral("config/Orvane.ini"));
    else if (!c.content.isEmpty())
        tree.file(QStringLiteral("config/Orvane.ini"), c.content);
    setMode(file, c.fileIsAFolder ? 0755 : c.fileMode);
    setMode(folder, c.folderMode);
    const QString scanned = tree.file(QStringLiteral("files/a.txt"));
    desktop.platform.settings = std::make_unique<IniSettingsStore>(folder);

    int checkedBefore = 0;
    const auto body = [&] {
        Problems problems;
        start();
        problems.equal(errorReports().size(), c.startReports,
                       QStringLiteral("error reports at start-up ") + errorReports().join(u'|'));
        problems.equal(mainWindow().dateBox(StampKind::Modified)->value(), c.boxes[0],
                       QStringLiteral("the box Modified"));
        problems.equal(mainWindow().dateBox(StampKind::Created)->value(), c.boxes[1],
                       QStringLiteral("the box Created"));
        problems.equal(mainWindow().dateBox(StampKind::Accessed)->value(), c.boxes[2],
                       QStringLiteral("the box Accessed"));

        // A click stores the box; one that cannot be stored says so in a plain message.
        size_t shown = desktop.messages->shown.size();
        checkedBefore = mainWindow().dateBox(StampKind::Created)->value();
        mainWindow().dateBox(StampKind::Created)->click();
        const QStringList afterClick = messagesSince(shown);
        if (c.writable) {
            problems.equal(afterClick, QStringList(), QStringLiteral("messages of a click"));
        } else {
            problems.equal(afterClick.size(), 1, QStringLiteral("messages of a click"));
            problems.expect(
                afterClick.value(0).startsWith(QStringLiteral("Cannot store the setting")),
                QStringLiteral("the click's message: ") + afterClick.value(0));
        }

        // The scan lists its files whatever the store does.
        shown = desktop.messages->shown.size();
        const qsizetype reportsBefore = errorReports().size();
        scan(QStringLiteral("txt"), tree.path(QStringLiteral("files")));
        problems.equal(desktop.input->asked.empty() ? QStringLiteral("<not asked>")
                                                    : desktop.input->asked.back().preset,
                       c.extensionPreset, QStringLiteral("the extension the prompt offers"));
        problems.equal(fileListTexts(), QStringList(scanned), QStringLiteral("the scanned files"));
        problems.equal(errorReports().size() - reportsBefore, c.writable ? 0 : 2,
                       QStringLiteral("error reports of the scan (extension, folder)"));
        return problems;
    };
    if (c.unprivileged)
        expectNoneUnprivileged(body);
    else
        expectNone(body());

    setMode(folder, 0755);
    if (c.writable) {
        IniSettingsStore again(folder);
        const int clicked = mainWindow().dateBox(StampKind::Created)->value();
        EXPECT_EQ(again.get("Orvane", "Quillfen", "Check2", "none"), QString::number(clicked));
        EXPECT_EQ(again.get("Orvane", "Quillfen", "LastFolder", "none"), tree.path("files"));
        EXPECT_NE(clicked, checkedBefore);
    } else if (!c.content.isEmpty()) {
        setMode(file, 0644);
        EXPECT_EQ(readFile(file), c.content) << "a settings file that could not be written changed";
    }
}

INSTANTIATE_TEST_SUITE_P(Stores, SettingsFault, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

// A store on a full disk: every write fails and says so, and the settings file keeps what it
// held (a cut-off file put in its place would lose every other setting). With one page left,
// the store's lock file still fits but the new settings file does not.
class SettingsOnAFullFileSystem : public FaultMatrix, public ::testing::WithParamInterface<int> {};

TEST_P(SettingsOnAFullFileSystem, KeepTheirFile)
{
    TempTree tree;
    const QString folder = tree.folder(QStringLiteral("config"));
    TmpfsMount mount(folder, 64 * 1024);
    if (!mount.mounted())
        GTEST_SKIP() << mount.why().toStdString();
    const QByteArray content =
        "[Quillfen]\nCheck1=0\nCheck2=1\nCheck3=1\nExtension=txt\nLastFolder=/y\nSnapshot=/x\n";
    const QString file = tree.file(QStringLiteral("config/Orvane.ini"), content);
    fillFileSystem(folder, GetParam());
    desktop.platform.settings = std::make_unique<IniSettingsStore>(folder);
    start();
    EXPECT_EQ(errorReports().size(), 2) << "storing the two ticked boxes again at start-up";
    mainWindow().dateBox(StampKind::Modified)->click();
    EXPECT_EQ(desktop.messages->shown.size(), 3u) << "the click's message";
    EXPECT_EQ(readFile(file), content);
}

INSTANTIATE_TEST_SUITE_P(Room, SettingsOnAFullFileSystem, ::testing::Values(0, 4096),
                         [](const auto& test) {
                             return test.param == 0 ? std::string("NoRoomAtAll")
                                                    : std::string("RoomForTheLockFileOnly");
                         });
