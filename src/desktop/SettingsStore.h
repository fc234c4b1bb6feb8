#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include <QString>

namespace quillfen {

// The per-user store of text values, addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or defaultValue when the key was never written. A stored empty text
    // is returned as empty.
    virtual QString get(const QString& application, const QString& section, const QString& key,
                        const QString& defaultValue) = 0;
    // Writes through at once; throws a Failure when the value could not be stored.
    virtual void save(const QString& application, const QString& section, const QString& key,
                      const QString& value) = 0;
};

} // namespace quillfen
