// The test programs run with TZ=Europe/Berlin and an en_US locale (see TestMain.cpp).

#include "dates/IsoDateText.h"
#include "support/Stamps.h"

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

TEST(IsoDateText, EachStampShowsTheOffsetOfItsOwnInstant)
{
    using Zone = IsoDateText::Zone;
    const struct {
        const char* zone;
        time_t seconds;
        long nanoseconds;
        Zone style;
        bool withNanoseconds;
        const char* text;
    } cases[] = {
        // Berlin's clock goes forward at 01:00 UTC on 28 March 2021 and back on 31 October.
        {"Europe/Berlin", 1616893199, 0, Zone::Local, false, "2021-03-28T01:59:59+01:00"},
        {"Europe/Berlin", 1616893200, 0, Zone::Local, false, "2021-03-28T03:00:00+02:00"},
        {"Europe/Berlin", 1635641999, 0, Zone::Local, false, "2021-10-31T02:59:59+02:00"},
        {"Europe/Berlin", 1635642000, 0, Zone::Local, false, "2021-10-31T02:00:00+01:00"},
        {"Europe/Berlin", 1635642000, 0, Zone::Utc, false, "2021-10-31T01:00:00Z"},
        // Adelaide is half an hour off the hour, and goes back from +10:30 to +09:30.
        {"Australia/Adelaide", 1617467399, 0, Zone::Local, false, "2021-04-04T02:59:59+10:30"},
        {"Australia/Adelaide", 1617467400, 0, Zone::Local, false, "2021-04-04T02:00:00+09:30"},
        {"Australia/Adelaide", 1617467400, 0, Zone::Utc, false, "2021-04-03T16:30:00Z"},
        {"America/St_Johns", 1610640005, 0, Zone::Local, false, "2021-01-14T12:30:05-03:30"},
        // Nanoseconds, before 1970, a local mean time, and years past four digits.
        {"Europe/Berlin", kSummer, 5, Zone::Utc, true, "2021-06-30T14:30:15.000000005Z"},
        {"Europe/Berlin", kSummer, 999999999, Zone::Local, true,
         "2021-06-30T16:30:15.999999999+02:00"},
        {"Europe/Berlin", -1, 0, Zone::Utc, false, "1969-12-31T23:59:59Z"},
        {"Europe/Berlin", -2524521600, 0, Zone::Local, false, "1890-01-01T00:53:28+00:53:28"},
        {"UTC", 253402300800, 0, Zone::Local, false, "+10000-01-01T00:00:00+00:00"},
        {"UTC", 253402300800, 0, Zone::Utc, false, "+10000-01-01T00:00:00Z"},
        {"UTC", -62198755200, 0, Zone::Utc, false, "-0001-01-01T00:00:00Z"},
    };
    for (const auto& c : cases) {
        inTimeZone(c.zone, [&] {
            IsoDateText iso(c.style, c.withNanoseconds);
            QByteArray text;
            iso.append(at(c.seconds, c.nanoseconds), text);
            EXPECT_EQ(text, c.text) << c.zone << " " << c.seconds;
        });
    }
}
