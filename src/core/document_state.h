#pragma once

#include "core/texts.h"

#include <QString>

// The chord list as a document. CurrentListFile stays empty until the start-up
// steps set it to "Nuova lista"; it holds the path once the list has a file.
struct DocumentState
{
    QString currentListFile;
    bool listHasFile = false;
    bool listFromFile = false;
    bool listModified = false;
};

namespace document {

inline const QString newListName()
{
    return texts::NewList;
}
inline const QString captionPrefix()
{
    return QStringLiteral("Corvalto 3.0 by Virmosk - ");
}

// The text after the last "/" of a path (the whole text when it has none).
QString fileNamePart(const QString& path);

// The directory part of a path, with its trailing "/" (empty when it has none).
QString directoryPart(const QString& path);

QString cleanCaption(const QString& path);
QString modifiedCaption(const QString& path);

} // namespace document
