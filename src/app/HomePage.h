#pragma once

// Layer app: the main window and start-up; uses commands and the layers below.

#include "desktop/Shell.h"

#include <QString>

#include <functional>

namespace quillfen {

// About one start in a hundred opens the maker's home page. Draws n in 1..100 from
// random() (0 <= r < 1) and opens the address when n is 7 and the address is not empty.
// Returns whether it opened it.
bool visitHomePageByChance(const std::function<double()>& random, Shell& shell,
                           const QString& address);

} // namespace quillfen
