#include "table/NaturalOrder.h"
#include "base/Texts.h"

#include "base/Failure.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

namespace quillfen {

NaturalOrder::NaturalOrder(const QLocale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    m_collator = ucol_open(locale.name().toLatin1().constData(), &status);
    if (U_FAILURE(status)) {
        // The root collation orders every script sensibly where the locale has none of its own.
        status = U_ZERO_ERROR;
        m_collator = ucol_open("", &status);
    }
    if (U_FAILURE(status) || m_collator == nullptr)
        throw Failure(texts::kCannotOrderTexts().arg(u_errorName(status)));
    ucol_setAttribute(m_collator, UCOL_NUMERIC_COLLATION, UCOL_ON, &status);
}

NaturalOrder::~NaturalOrder()
{
    ucol_close(m_collator);
}

void NaturalOrder::appendKey(QByteArrayView utf8, std::string& key) const
{
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8WithSub(m_text.data(), static_cast<int32_t>(m_text.size()), &length, utf8.data(),
                         static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr, &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        m_text.resize(static_cast<std::size_t>(length));
        status = U_ZERO_ERROR;
        u_strFromUTF8WithSub(m_text.data(), length, &length, utf8.data(),
                             static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr, &status);
    }
    if (U_FAILURE(status))
        length = 0;
    // The key, written where it goes; ICU says how long it is when the room is too small.
    const std::size_t at = key.size();
    for (std::size_t room = 64 + 4 * static_cast<std::size_t>(length);;) {
        key.resize(at + room);
        const int32_t needed = ucol_getSortKey(m_collator, m_text.data(), length,
                                               reinterpret_cast<uint8_t*>(key.data() + at),
                                               static_cast<int32_t>(room));
        if (static_cast<std::size_t>(needed) <= room) {
            key.resize(at + static_cast<std::size_t>(needed)); // it ends in its NUL byte
            return;
        }
        room = static_cast<std::size_t>(needed);
    }
}

} // namespace quillfen
