#pragma once

// Layer base: shared by every layer; uses Qt Core only.

#include <QString>

namespace quillfen {

// The short application title that captions message and input boxes: words are cut from the
// end of the product title, at least one, until it is at most 40 characters long. A title
// with no space to cut at is kept whole (cut to 40 characters if it is longer).
QString shortAppTitle(const QString& productTitle);

} // namespace quillfen
