#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include <cmath>

namespace quillfen {

// The window is laid out in twips (1/1440 inch); at 96 dpi 15 twips make one pixel.
constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

} // namespace quillfen
