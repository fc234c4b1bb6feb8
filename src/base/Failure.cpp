#include "base/Failure.h"

#include <cstring>

namespace quillfen {

Failure::Failure(const QString& description)
    : std::runtime_error(description.toStdString())
    , m_description(description)
{
}

Failure Failure::fromErrno(int error, const QString& context)
{
    const QString text = QString::fromLocal8Bit(std::strerror(error));
    return Failure(context.isEmpty() ? text : context + QStringLiteral(": ") + text);
}

} // namespace quillfen
