#include "app/StartUp.h"

#include "app/HomePage.h"
#include "app/MainWindow.h"
#include "base/AppTitle.h"
#include "base/BuildSettings.h"
#include "base/Failure.h"
#include "base/Paths.h"
#include "base/Settings.h"
#include "base/Texts.h"
#include "commands/ErrorReport.h"
#include "commands/SampleFiles.h"
#include "files/ExistenceTests.h"

#include <QFile>
#include <QIcon>
#include <QPixmap>

namespace quillfen {

namespace {

// Start-up's steps. There is no skin engine on this platform, so the skin file counts as
// absent: its step (100) does nothing and has no code.
const QString kLocation = QStringLiteral("in Tessary2021/08/31.Form1.Form_Load ");
constexpr int kCaption = 104;
constexpr int kIcon = 104;
constexpr int kShortTitle = 104;
constexpr int kTestHandPointer = 106;
constexpr int kLoadHandPointer = 108;
constexpr int kHomePage = 110;
constexpr int kTestSampleList = 110;
constexpr int kRecordSampleList = 110;
constexpr int kFileListColumn = 128;
constexpr int kFileColumnTwips = 7000;
constexpr int kDateBoxSteps[] = {132, 134, 136}; // by StampKind

// Where the pointer's tip is in a .cur file (the image reader drops it); the top-left corner
// when the file says nothing usable.
QPoint cursorHotspot(const QString& file)
{
    QFile cursor(file);
    if (!cursor.open(QIODevice::ReadOnly))
        return {};
    const QByteArray header = cursor.read(14);
    if (header.size() < 14 || header[2] != 2) // resource type 2: a cursor
        return {};
    const auto word = [&](int at) {
        return static_cast<int>(static_cast<unsigned char>(header[at]))
            | static_cast<int>(static_cast<unsigned char>(header[at + 1])) << 8;
    };
    return {word(10), word(12)};
}

} // namespace

const QString& dateBoxKey(StampKind kind)
{
    static const QString* const kKeys[] = {&settings::kModifiedKey, &settings::kCreatedKey,
                                           &settings::kAccessedKey};
    return *kKeys[static_cast<size_t>(kind)];
}

void storeDateBoxChanges(MainWindow& window)
{
    for (const StampKind kind : kStampKinds) {
        DateBox* box = window.dateBox(kind);
        const auto store = [&window, box, kind] {
            window.platform().settings->save(settings::kApplication, settings::kSection,
                                             dateBoxKey(kind), QString::number(box->value()));
        };
        box->setChangeHandler(store);
        QObject::connect(box, &DateBox::userChanged, &window, [&window, store] {
            try {
                store();
            } catch (const std::exception& error) {
                window.workspace().messages.warn(describe(error));
            }
        });
    }
}

void runStartUp(MainWindow& window)
{
    Platform& platform = window.platform();
    SettingsStore& settings = *platform.settings;
    ReportingProcedure load(*platform.messages, kLocation);
    load.step(kCaption, [&] { window.setWindowTitle(texts::kProductTitle); });
    load.step(kIcon, [&] { window.setWindowIcon(QIcon(QStringLiteral(":/quillfen.png"))); });
    load.step(kShortTitle, [&] { window.setAppTitle(shortAppTitle(texts::kProductTitle)); });

    const QString handFile = joinPath(platform.programFilesFolder, texts::kHandPointerFile);
    if (load.test(kTestHandPointer, [&] { return isExistingPath(handFile); })) {
        load.step(kLoadHandPointer, [&] {
            const QPixmap image(handFile);
            if (image.isNull())
                throw Failure(texts::kInvalidPicture().arg(handFile));
            const QPoint tip = cursorHotspot(handFile);
            window.setCustomPointerImage(QCursor(image, tip.x(), tip.y()));
        });
    }
    load.step(kHomePage, [&] {
        visitHomePageByChance(platform.random, *platform.shell,
                              QString::fromUtf8(build::kHomePage));
    });
    if (load.test(kTestSampleList, [&] {
            return settings
                .get(settings::kApplication, settings::kSection, settings::kSampleListKey,
                     QString())
                .isEmpty();
        }))
        load.step(kRecordSampleList,
                  [&] { recordSampleFiles(settings, platform.programFilesFolder); });

    load.step(kFileListColumn,
              [&] { window.fileList().addColumn(texts::kFileListHeader(), kFileColumnTwips); });
    for (const StampKind kind : kStampKinds) {
        load.step(kDateBoxSteps[static_cast<std::size_t>(kind)], [&] {
            const QString stored = settings.get(settings::kApplication, settings::kSection,
                                                dateBoxKey(kind), QStringLiteral("1"));
            window.dateBox(kind)->setValue(settings::toWholeNumber(stored));
        });
    }
}

} // namespace quillfen
