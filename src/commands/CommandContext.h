#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include "base/Texts.h"
#include "desktop/Dialogs.h"
#include "desktop/ProgressSink.h"
#include "desktop/RowModel.h"
#include "files/FileTimes.h"

#include <QString>

#include <optional>
#include <vector>

namespace quillfen {

// The window's pointer: default arrow, hourglass (the window is busy) or the custom hand.
enum class WindowPointer { Default, Hourglass, Custom };

// Thrown out of the window's yield once the window has been closed, so a long command
// unwinds (destructors discard half-written files) and the program ends. It deliberately
// does not derive from std::exception: step guards must let it pass instead of reporting it.
struct ApplicationClosing {};

// Thrown out of the window's yield when the user asked to stop the running command (the
// "Stop" button, Escape). The command ends there and keeps what it did; like
// ApplicationClosing it is no std::exception, so it passes the step guards to the command.
struct CommandStopped {};

// What a command shares with the window while it runs on the window's thread: the yield
// that lets the window go on, and the busy state the pointer shows.
class CommandSession {
public:
    virtual ~CommandSession() = default;
    // Lets the window process pending events; throws ApplicationClosing once it is closed and
    // CommandStopped once the user asked to stop.
    virtual void yield() = 0;
    // How many times the window has processed events (see EventYield::rounds).
    virtual quint64 eventRounds() const = 0;
    virtual WindowPointer pointer() const = 0;
    virtual void setPointer(WindowPointer pointer) = 0;
    bool isBusy() const { return pointer() == WindowPointer::Hourglass; }
};

// Where a command says in one line what it did (the status bar).
class StatusSink {
public:
    virtual ~StatusSink() = default;
    virtual void showSummary(const QString& line) = 0;
};

// The dates the user asked for (the date boxes), read afresh each time.
class DateChoice {
public:
    virtual ~DateChoice() = default;
    virtual Qt::CheckState dateChoice(StampKind kind) const = 0;
    bool isChosen(StampKind kind) const { return dateChoice(kind) == Qt::Checked; }
};

// Message boxes captioned with the program's short title, which start-up sets.
class Messages {
public:
    Messages(MessageBoxes& boxes, const QString& caption)
        : m_boxes(boxes)
        , m_caption(caption)
    {
    }

    MessageBoxes& boxes() { return m_boxes; }
    const QString& caption() const { return m_caption; }
    MessageAnswer tell(const QString& text, MessageButtons buttons = MessageButtons::Ok)
    {
        return m_boxes.show(text, m_caption, buttons, MessageIcon::None);
    }
    // A plain warning: something the user should know that is not a failed step.
    void warn(const QString& text)
    {
        m_boxes.show(text, m_caption, MessageButtons::Ok, MessageIcon::Warning);
    }

private:
    MessageBoxes& m_boxes;
    const QString& m_caption;
};

// The results rows an export writes: those the list shows, taken when it starts, as the
// filter may change while the export yields.
class ShownRows {
public:
    explicit ShownRows(const RowModel& results)
    {
        if (const std::vector<int>* shown = results.shownRows())
            m_rows = *shown;
        m_hidden = m_rows ? results.rows() - static_cast<int>(m_rows->size()) : 0;
    }
    RowSelection selection() const { return RowSelection(m_rows ? &*m_rows : nullptr); }
    // How many rows the filter hid when the export started.
    int hidden() const { return m_hidden; }

private:
    std::optional<std::vector<int>> m_rows;
    int m_hidden = 0;
};

// What the commands work on: the models of the two lists, the session they run in, and
// where they show their progress and results. Desktop services a command needs besides
// (dialogs, clipboard, settings) are handed to it on their own.
struct Workspace {
    RowModel& files;
    RowModel& results;
    CommandSession& session;
    ProgressSink& progress;
    StatusSink& status;
    Messages& messages;
};

// The window busy with one command for the life of this object: the hourglass, and `caption`
// in the progress bar; both back at rest when it ends, however the command ends.
class BusyWork {
public:
    BusyWork(Workspace& work, const QString& caption)
        : m_work(work)
    {
        m_work.session.setPointer(WindowPointer::Hourglass);
        m_work.progress.setCaption(caption);
    }
    ~BusyWork()
    {
        m_work.session.setPointer(WindowPointer::Default);
        m_work.progress.setPosition(0);
        m_work.progress.setCaption(texts::kProgressAtRest());
    }
    BusyWork(const BusyWork&) = delete;
    BusyWork& operator=(const BusyWork&) = delete;

private:
    Workspace& m_work;
};

} // namespace quillfen
