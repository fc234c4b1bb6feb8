#include "app/CommandRunner.h"

#include "commands/CommandContext.h"
#include "desktop/StatusBar.h"

#include <QScopeGuard>
#include <QShortcut>

namespace quillfen {

CommandRunner::CommandRunner(QWidget& window, StatusBar& status, std::function<void()> afterEach)
    : m_status(status)
    , m_escape(new QShortcut(QKeySequence(Qt::Key_Escape), &window))
    , m_afterEach(std::move(afterEach))
{
    m_escape->setEnabled(false); // only while a command can be stopped
    QObject::connect(m_escape, &QShortcut::activated, &window, [this] { requestStop(); });
    QObject::connect(&status, &StatusBar::stopClicked, &window, [this] { requestStop(); });
}

void CommandRunner::run(const std::function<void()>& command)
{
    try {
        command();
    } catch (const ApplicationClosing&) {
        // The window was closed in the middle of the command; nothing more is shown.
    } catch (const CommandStopped&) {
        // A command that keeps nothing special of its own ends where it was.
    }
}

void CommandRunner::runStoppable(const std::function<void()>& command)
{
    if (m_stoppable++ == 0) {
        m_stopRequested = false;
        m_escape->setEnabled(true);
    }
    const auto done = qScopeGuard([this] {
        if (--m_stoppable == 0) {
            m_stopRequested = false;
            m_status.setStopShown(false);
            m_escape->setEnabled(false);
        }
        if (m_afterEach)
            m_afterEach();
    });
    run(command);
}

void CommandRunner::requestStop()
{
    if (m_stoppable > 0)
        m_stopRequested = true;
}

void CommandRunner::beforeYield()
{
    // A long command shows Stop once it is at work, not while it still asks its questions.
    if (m_stoppable > 0)
        m_status.setStopShown(true);
}

void CommandRunner::afterYield()
{
    if (m_closed)
        throw ApplicationClosing{};
    if (m_stopRequested) {
        m_stopRequested = false;
        throw CommandStopped{};
    }
}

} // namespace quillfen
