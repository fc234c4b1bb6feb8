#include "base/Failure.h"
#include "base/Texts.h"

#include <cstring>
#include <new>

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

QString describe(const std::exception& error)
{
    if (const auto* failure = dynamic_cast<const Failure*>(&error))
        return failure->description();
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr)
        return texts::kOutOfMemory();
    return QString::fromLocal8Bit(error.what());
}

} // namespace quillfen
