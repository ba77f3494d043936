#include "core/errors.h"

#include "core/file_reader.h"

CorvaltoError::CorvaltoError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

CorvaltoError CorvaltoError::cannotOpen(const QString& path)
{
    return CorvaltoError(
        QStringLiteral("Cannot open file %1").arg(filereader::shortened(path, 260)));
}

CorvaltoError CorvaltoError::cannotCreate(const QString& path)
{
    return CorvaltoError(
        QStringLiteral("Cannot create file %1").arg(filereader::shortened(path, 260)));
}

CorvaltoError CorvaltoError::notAnInteger(const QString& text)
{
    return CorvaltoError(
        QStringLiteral("'%1' is not a valid integer value").arg(filereader::shortened(text)));
}
