#include "base/AppTitle.h"

namespace quillfen {

namespace {
constexpr qsizetype kMaxTitle = 40;
}

QString shortAppTitle(const QString& productTitle)
{
    QString title = productTitle;
    do {
        const qsizetype space = title.lastIndexOf(QLatin1Char(' '));
        if (space < 0)
            break;
        title.truncate(space);
    } while (title.size() > kMaxTitle);
    if (title.isEmpty())
        title = productTitle;
    return title.left(kMaxTitle);
}

} // namespace quillfen
