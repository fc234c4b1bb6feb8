#include "desktop/QtDesktop.h"

#include "base/BuildSettings.h"
#include "base/Texts.h"
#include "desktop/DesktopSpreadsheet.h"
#include "desktop/QtDialogs.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTime>
#include <QUrl>

#include <random>

namespace quillfen {

bool QtClipboard::clear()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    clipboard->clear(QClipboard::Clipboard);
    return true;
}

bool QtClipboard::setText(const QByteArray& utf8)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    static const QString kPlainUtf8 = QStringLiteral("text/plain;charset=utf-8");
    static const QString kPlain = QStringLiteral("text/plain");
    auto* data = new QMimeData; // the clipboard owns it
    // Both names share the one buffer; plain "text/plain" is what X11 offers other programs.
    data->setData(kPlainUtf8, utf8);
    data->setData(kPlain, utf8);
    clipboard->setMimeData(data, QClipboard::Clipboard);
    // Qt reports no failure of its own; reading back tells whether the text took. Our own
    // data comes back sharing our buffer, which a gigabyte of text should not be compared for.
    const QMimeData* placed = clipboard->mimeData(QClipboard::Clipboard);
    if (placed == nullptr)
        return false;
    const QByteArray held = placed->data(kPlainUtf8);
    return held.constData() == utf8.constData() ? held.size() == utf8.size() : held == utf8;
}

bool QtShell::openFolder(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtShell::openAddress(const QString& address)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

namespace {

// What a settings write needs beyond two copies of the file: the lock file and whole blocks.
constexpr qint64 kSettingsWriteRoom = 64 * 1024;

QByteArray contentOf(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

} // namespace

IniSettingsStore::IniSettingsStore(QString folder)
    : m_folder(std::move(folder))
{
}

QString IniSettingsStore::fileFor(const QString& application) const
{
    return m_folder + QLatin1Char('/') + application + QLatin1String(".ini");
}

QString IniSettingsStore::get(const QString& application, const QString& section,
                              const QString& key, const QString& defaultValue)
{
    QSettings settings(fileFor(application), QSettings::IniFormat);
    settings.beginGroup(section);
    if (!settings.contains(key))
        return defaultValue;
    const QVariant value = settings.value(key);
    // An unquoted value with commas, as a person might type it, reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

void IniSettingsStore::save(const QString& application, const QString& section, const QString& key,
                            const QString& value)
{
    const QString file = fileFor(application);
    const QString failure = texts::kCannotStoreSetting().arg(key, file);
    // QSettings puts its new file in place even when the end of it could not be written, and
    // reports success: on a full disk every stored setting would be lost. So a disk without
    // room for two copies of the file (the old one stays until the new one is complete) and
    // the lock QSettings takes is refused before anything is written.
    const QStorageInfo disk(m_folder);
    const qint64 needed = 2 * (QFileInfo(file).size() + 3 * value.size()) + kSettingsWriteRoom;
    if (disk.isValid() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < needed)
        throw Failure(failure + texts::kDiskFull());

    const QByteArray before = contentOf(file);
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return;
    // A file that does not read cleanly keeps saying so after a good write (the status keeps
    // its first error), so there the file itself tells whether it was written.
    if (settings.status() == QSettings::FormatError && contentOf(file) != before)
        return;
    throw Failure(failure);
}

namespace {

QString programFilesFolder()
{
    // A build tree (or a copied program folder) keeps the files beside the executable; an
    // installed program keeps them in its data folder, found relative to the executable so
    // that a package unpacked under another root still finds its own.
    const QDir programDir(QCoreApplication::applicationDirPath());
    if (programDir.exists(texts::kHandPointerFile) || programDir.exists(texts::kSamplesFolder))
        return programDir.path();
    return QDir::cleanPath(programDir.filePath(QString::fromUtf8(build::kInstalledFilesFolder)));
}

} // namespace

Platform makeDesktopPlatform()
{
    Platform platform;
    platform.messages = std::make_unique<QtMessageBoxes>();
    platform.input = std::make_unique<QtInputBox>();
    platform.fileDialogs = std::make_unique<QtFileDialogs>();
    platform.folderBrowser = std::make_unique<QtFolderBrowser>();
    platform.clipboard = std::make_unique<QtClipboard>();
    platform.shell = std::make_unique<QtShell>();
    platform.spreadsheet = std::make_unique<DesktopSpreadsheetApp>();
    platform.help = std::make_unique<QtHelpViewer>();
    platform.settings = std::make_unique<IniSettingsStore>(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    platform.yield = std::make_unique<ThrottledYield>();
    auto generator = std::make_shared<std::mt19937>(
        static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay() / 1000));
    platform.random = [generator] {
        return std::uniform_real_distribution<double>(0.0, 1.0)(*generator);
    };
    platform.programFilesFolder = QDir::toNativeSeparators(programFilesFolder());
    return platform;
}

} // namespace quillfen
