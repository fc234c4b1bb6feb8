#include "app/HomePage.h"

namespace quillfen {

bool visitHomePageByChance(const std::function<double()>& random, Shell& shell,
                           const QString& address)
{
    const int n = static_cast<int>(random() * 100) + 1;
    if (n != 7 || address.isEmpty())
        return false;
    return shell.openAddress(address);
}

} // namespace quillfen
