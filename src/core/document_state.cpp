#include "core/document_state.h"

namespace document {

QString fileNamePart(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString directoryPart(const QString& path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString cleanCaption(const QString& path)
{
    return captionPrefix() + fileNamePart(path);
}

QString modifiedCaption(const QString& path)
{
    return captionPrefix() + QLatin1Char('*') + fileNamePart(path);
}

} // namespace document
