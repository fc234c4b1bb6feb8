#include "desktop/ProgressBar.h"

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
    m_decodePending = false;
    requestRepaint();
}

void ProgressBar::setCaption(const QString& prefix, QByteArrayView utf8)
{
    if (!m_prefix.isSharedWith(prefix))
        m_prefix = prefix;
    m_utf8.resize(0); // keeps its buffer from file to file
    m_utf8.append(utf8.data(), utf8.size());
    m_decodePending = true;
    requestRepaint();
}

QString ProgressBar::caption() const
{
    if (m_decodePending) {
        m_caption = m_prefix + QString::fromUtf8(m_utf8);
        m_decodePending = false;
    }
    return m_caption;
}

void ProgressBar::requestRepaint()
{
    // One request stands until the bar is drawn; asking again per file only costs time.
    if (m_repaintPending)
        return;
    m_repaintPending = true;
    update();
}

void ProgressBar::paintEvent(QPaintEvent* event)
{
    m_repaintPending = false;
    QProgressBar::paintEvent(event);
}

} // namespace quillfen
