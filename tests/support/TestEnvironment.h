#pragma once

// The environment every test program runs in, set before any Qt object exists: tests never
// see the real user's home, settings or clipboard. HOME and the XDG folders point into a
// fresh temporary folder, the platform is offscreen, the time zone is Europe/Berlin (which
// has daylight saving time) and the locale is en_US.

#include <QTemporaryDir>

namespace quillfen::test {

// Returns the temporary home, which must outlive the tests; invalid when it could not be made.
QTemporaryDir& pinTestEnvironment();

// After the application object exists: the locale every test assumes.
void pinTestLocale();

} // namespace quillfen::test
