#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include "base/Failure.h"
#include "desktop/Dialogs.h"

#include <QString>

#include <exception>
#include <utility>

namespace quillfen {

// The text of the error report: description, CR LF, location, "at line ", marker, CR CR and
// the request to send a screenshot to the support address.
QString composeErrorReport(const QString& description, const QString& location, int marker);

// Shows the report as a modal warning box captioned "Application Error".
void showErrorReport(MessageBoxes& boxes, const QString& description, const QString& location,
                     int marker);

// One run of a reporting procedure. Each procedure declares its steps' numbers once, at the
// top of its file: people send a picture of the report, and the number in it says which step
// failed, so the numbers stay what they have always been, gaps and shared numbers included.
//
// Each numbered step runs through step() or test(); a step
// that fails shows the report with the procedure's location and the step's number, and the
// procedure goes on with its next step. Only std::exception is caught, so ApplicationClosing
// passes through untouched.
class ReportingProcedure {
public:
    // `location` names the procedure in the report ("in Tessary2021/08/31.Form1.Form_Load ",
    // with its trailing blank): each command keeps its own.
    ReportingProcedure(MessageBoxes& boxes, QString location)
        : m_boxes(boxes)
        , m_location(std::move(location))
    {
    }

    int reports() const { return m_reports; }

    // Runs one step; a failure is reported and swallowed.
    template <class Action> void step(int marker, Action&& action)
    {
        m_marker = marker;
        try {
            std::forward<Action>(action)();
        } catch (const std::exception& error) {
            report(describe(error));
        }
    }

    // Runs a step that yields a value; a failure is reported and gives the fallback.
    template <class T, class Action> T value(int marker, T fallback, Action&& action)
    {
        m_marker = marker;
        try {
            return std::forward<Action>(action)();
        } catch (const std::exception& error) {
            report(describe(error));
            return fallback;
        }
    }

    // Runs the test of a conditional; a failing test is reported and counts as passed, so
    // the steps it guards run next.
    template <class Test> bool test(int marker, Test&& condition)
    {
        return value(marker, true, std::forward<Test>(condition));
    }

    void report(const QString& description);
    // Reports a failure at step `marker` found outside step() (by a hook, say).
    void report(int marker, const QString& description)
    {
        m_marker = marker;
        report(description);
    }

private:
    MessageBoxes& m_boxes;
    QString m_location;
    int m_marker = 0;
    int m_reports = 0;
};

} // namespace quillfen
