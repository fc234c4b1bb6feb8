// The command line's WHEN (parseWhen) in Berlin's time zone: the input's first NUL-separated
// field is the text, as UTF-8; the second, if any, picks `now` (its first bytes as seconds
// within 1900 to 2200). Whatever it reads must be an instant that, written back as ISO 8601
// with its offset or in UTC, reads as the same instant; a span of minutes to weeks must lie
// exactly that far back; a span of months or years must not lie ahead.

#include "FuzzSupport.h"

#include "dates/IsoDateText.h"
#include "dates/LocalTime.h"
#include "dates/WhenText.h"

#include <cstdlib>
#include <cstring>

using namespace quillfen;
using namespace quillfen::fuzz;

namespace {

constexpr qint64 kBillion = 1000000000;
constexpr qint64 kFirst = -2208988800; // 1900-01-01 UTC
constexpr qint64 kLast = 7258118400;   // 2200-01-01 UTC

// The instants that written as a text read back exactly: those instantKey() keeps.
bool writable(qint64 instant)
{
    return instant > kFirst * kBillion && instant < kLast * kBillion;
}

void checkWrittenBack(qint64 instant, const QString& text)
{
    for (const IsoDateText::Zone zone : {IsoDateText::Zone::Local, IsoDateText::Zone::Utc}) {
        IsoDateText writer(zone, true);
        QByteArray written;
        writer.append(instantOfKey(instant), written);
        check(parseIsoInstant(QString::fromLatin1(written)) == instant,
              "an instant written back reads as itself",
              shown(text) + QStringLiteral(" wrote ") + QString::fromLatin1(written));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> parts = fields(data, size);
    const QString text = QString::fromUtf8(parts[0]);
    qint64 seconds = 1729992600; // 2024-10-27T01:30:00Z, in the hour that comes twice
    if (parts.size() > 1 && !parts[1].isEmpty()) {
        quint64 raw = 0;
        std::memcpy(&raw, parts[1].constData(), std::min<std::size_t>(8, parts[1].size()));
        seconds = kFirst + static_cast<qint64>(raw % static_cast<quint64>(kLast - kFirst));
    }
    const qint64 now = seconds * kBillion + 123456789;

    const std::optional<qint64> when = parseWhen(text, now);
    if (!when)
        return 0;
    if (writable(*when))
        checkWrittenBack(*when, text);
    if (parseIsoInstant(text))
        return 0;
    const struct {
        const char* unit;
        qint64 length; // 0: on the calendar
    } units[] = {{"mo", 0},
                 {"y", 0},
                 {"m", 60 * kBillion},
                 {"h", 3600 * kBillion},
                 {"d", 86400 * kBillion},
                 {"w", 7 * 86400 * kBillion}};
    for (const auto& [unit, length] : units) {
        if (!text.endsWith(QLatin1String(unit)))
            continue;
        const qint64 count = text.chopped(qsizetype(std::strlen(unit))).toLongLong();
        check(count > 0, "a span counts at least one unit", shown(text));
        if (length == 0) {
            check(*when <= now, "a span of months lies back from now", shown(text));
        } else if (writable(*when)) {
            check(now - *when == count * length, "a span of minutes to weeks is exact",
                  shown(text));
        }
        return 0;
    }
    fail("what reads is a date or a span", shown(text));
}
