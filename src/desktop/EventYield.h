#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include <QElapsedTimer>
#include <QMetaObject>

namespace quillfen {

// Lets the window process pending events in the middle of a long operation.
class EventYield {
public:
    virtual ~EventYield() = default;
    virtual void yield() = 0;
    // How many times events have been processed so far, here or anywhere else (a message box
    // runs events too). Work that read the outside world under one value may be out of date
    // under the next: events may have changed it.
    virtual quint64 rounds() const = 0;
};

// Processes events only when at least intervalMs have passed since it last did, so yielding
// once per file or per cell keeps the window responsive without costing time per call.
// An interval of 0 processes events on every call. The default is one frame at 60 Hz: rounds
// more often are not seen, and each one makes the reads made ahead of a command count no more.
class ThrottledYield final : public EventYield {
public:
    explicit ThrottledYield(int intervalMs = 16);
    ~ThrottledYield() override;
    ThrottledYield(const ThrottledYield&) = delete;
    ThrottledYield& operator=(const ThrottledYield&) = delete;

    void yield() override;
    quint64 rounds() const override { return m_rounds; }

private:
    const qint64 m_intervalNs;
    QElapsedTimer m_sinceLast;
    quint64 m_rounds = 0;
    QMetaObject::Connection m_wakeUps; // counts the rounds of every event loop
};

} // namespace quillfen
