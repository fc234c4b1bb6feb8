#include "platform/ProgressBar.h"

#include <algorithm>
#include <cmath>

namespace quillfen {

ProgressBar::ProgressBar(QWidget* parent)
    : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(true);
    setAlignment(Qt::AlignCenter);
}

void ProgressBar::setPosition(double value)
{
    m_position = value;
    const double shown = std::isfinite(value) ? std::clamp(value, 0.0, 100.0) : 0.0;
    setValue(static_cast<int>(std::lround(shown)));
}

void ProgressBar::setCaption(const QString& text)
{
    m_caption = text;
    update();
}

} // namespace quillfen
