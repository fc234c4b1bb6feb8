#include "base/Settings.h"
#include "base/Texts.h"

#include "base/Failure.h"

#include <cmath>

namespace quillfen::settings {

int toWholeNumber(const QString& text)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    const double number = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        throw Failure(texts::kTypeMismatch());
    const double rounded = std::nearbyint(number); // the default mode rounds halves to even
    if (rounded < -32768 || rounded > 32767)
        throw Failure(texts::kOverflow());
    return static_cast<int>(rounded);
}

} // namespace quillfen::settings
