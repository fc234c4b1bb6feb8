#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include "desktop/Clipboard.h"
#include "desktop/Platform.h"
#include "desktop/SettingsStore.h"
#include "desktop/Shell.h"

namespace quillfen {

class QtClipboard final : public Clipboard {
public:
    bool clear() override;
    bool setText(const QByteArray& utf8) override;
};

class QtShell final : public Shell {
public:
    bool openFolder(const QString& path) override;
    bool openAddress(const QString& address) override;
};

// Settings in INI files, one per application name (<folder>/<application>.ini), one group
// per section.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(QString folder);
    QString get(const QString& application, const QString& section, const QString& key,
                const QString& defaultValue) override;
    void save(const QString& application, const QString& section, const QString& key,
              const QString& value) override;

    QString fileFor(const QString& application) const;

private:
    QString m_folder;
};

// The bundle a real run of the program uses: Qt dialogs, the system clipboard, the desktop's
// file manager and browser, settings under the user's configuration folder.
Platform makeDesktopPlatform();

} // namespace quillfen
