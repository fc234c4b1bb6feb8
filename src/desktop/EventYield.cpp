#include "desktop/EventYield.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

namespace quillfen {

ThrottledYield::ThrottledYield(int intervalMs)
    : m_intervalNs(qint64(intervalMs) * 1000000)
{
    m_sinceLast.start();
    // The main thread's dispatcher wakes for every pass of any event loop, a modal box's too.
    Q_ASSERT(QAbstractEventDispatcher::instance() != nullptr); // made after the application
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        m_wakeUps =
            QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [this] { ++m_rounds; });
}

ThrottledYield::~ThrottledYield()
{
    QObject::disconnect(m_wakeUps);
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
