#pragma once

#include <QString>

namespace quillfen {

// The system clipboard, plain text only. Each call is one attempt and says whether it took
// effect; retrying is the caller's business.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool clear() = 0;
    virtual bool setText(const QString& text) = 0;
};

} // namespace quillfen
