#pragma once

// Layer dates: local time and date texts; uses base and Qt Core.

#include "dates/LocalTime.h"

#include <QByteArray>

#include <ctime>

namespace quillfen {

// Time stamps as ISO 8601 texts for other programs to read: "2021-07-15T14:34:56+02:00" in
// local time with the UTC offset in force at that instant, or "2021-07-15T12:34:56Z" in UTC;
// with nanoseconds, ".123456789" follows the seconds. Years outside 0000 to 9999 get a sign
// ("+10000-01-01T..."); an offset with seconds (old local mean times) shows them ("+00:53:28").
class IsoDateText {
public:
    enum class Zone { Local, Utc };

    IsoDateText(Zone zone, bool nanoseconds);

    void append(const timespec& stamp, QByteArray& out);

private:
    Zone m_zone;
    bool m_nanoseconds;
    LocalTimeConverter m_local; // keeps the last local day, as stamps of a run share days
};

} // namespace quillfen
