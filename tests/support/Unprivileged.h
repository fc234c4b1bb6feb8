#pragma once

#include <functional>

namespace quillfen::test {

// Runs `body` in a child process as the unprivileged user "nobody" when the tests run as
// root (as CI does), so that permissions are enforced; otherwise in a child as the current
// user. Returns the body's result, or -1 when the child could not run it.
int runUnprivileged(const std::function<int()>& body);

} // namespace quillfen::test
