#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include <QByteArray>

namespace quillfen {

// The system clipboard, plain text only. Each call is one attempt and says whether it took
// effect; retrying is the caller's business. Text comes as UTF-8, as the exports build it, so
// a long copy is held once and compactly.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool clear() = 0;
    virtual bool setText(const QByteArray& utf8) = 0;
};

} // namespace quillfen
