#include "platform/EventYield.h"

#include <QCoreApplication>

namespace quillfen {

ThrottledYield::ThrottledYield(int intervalMs)
    : m_intervalNs(qint64(intervalMs) * 1000000)
{
    m_sinceLast.start();
}

void ThrottledYield::yield()
{
    if (m_intervalNs > 0 && m_sinceLast.nsecsElapsed() < m_intervalNs)
        return;
    QCoreApplication::processEvents();
    ++m_rounds;
    m_sinceLast.restart();
}

} // namespace quillfen
