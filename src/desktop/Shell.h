#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include <QString>

namespace quillfen {

// Hands things to the desktop: a folder to its file manager, an address to the web browser.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool openFolder(const QString& path) = 0;
    virtual bool openAddress(const QString& address) = 0;
};

} // namespace quillfen
