#pragma once

#include <QString>

#include <stdexcept>

namespace quillfen {

// A failure that reaches the user: its description is what the error report shows.
// Failures travel as exceptions; reporting procedures catch them step by step.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& description);

    QString description() const { return m_description; }

    // The system's own text for an errno value, optionally after a short context.
    static Failure fromErrno(int error, const QString& context = {});

private:
    QString m_description;
};

// Thrown out of a yield once the main window has been closed, so a long operation unwinds
// (destructors discard half-written files) and the program ends. It deliberately does not
// derive from std::exception: step guards must let it pass instead of reporting it.
struct ApplicationClosing {};

} // namespace quillfen
