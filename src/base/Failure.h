#pragma once

// Layer base: shared by every layer; uses Qt Core only.

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

// What a caught exception says to the user: a Failure's description, "Out of memory", or the
// exception's own text.
QString describe(const std::exception& error);

} // namespace quillfen
