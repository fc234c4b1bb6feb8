// The settings number conversion (settings::toWholeNumber). First byte: bit 0 reads the rest
// as UTF-16 (any text) instead of UTF-8. The answer is a whole number in -32768..32767, the
// nearest to the text's value (halves to even), or a Failure; never anything else.

#include "FuzzSupport.h"

#include "base/Failure.h"
#include "base/Settings.h"

#include <cmath>

using namespace quillfen;
using namespace quillfen::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const auto* bytes = reinterpret_cast<const char*>(data + 1);
    const auto length = static_cast<qsizetype>(size - 1);
    const QString text = (data[0] & 1) != 0 ? utf16Text(bytes, length) : utf8Text(bytes, length);

    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    const bool fits = ok && std::isfinite(value) && std::nearbyint(value) >= -32768
        && std::nearbyint(value) <= 32767;
    try {
        const int number = settings::toWholeNumber(text);
        check(fits, "only a number in range converts", shown(text));
        check(number == static_cast<int>(std::nearbyint(value)), "the nearest whole number",
              shown(text) + QStringLiteral(" gave ") + QString::number(number));
        check(settings::toWholeNumber(QString::number(number)) == number,
              "a stored number reads back as itself", shown(text));
    } catch (const Failure&) {
        check(!fits, "a number in range converts", shown(text));
    } catch (...) {
        fail("only a Failure may leave the conversion", shown(text));
    }
    return 0;
}
