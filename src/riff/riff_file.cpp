#include "riff/riff_file.h"

#include "core/document_state.h"
#include "core/text_file.h"

namespace rifffile {

QString headerName(const QString& chosenPath)
{
    return document::fileNamePart(chosenPath);
}

QString targetPath(const QString& chosenPath)
{
    const QString name = headerName(chosenPath);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : name.mid(dot);
    if (extension == QLatin1String(".txt"))
        return chosenPath;
    return chosenPath + QStringLiteral(".txt");
}

QStringList fileLines(const QString& chosenPath, const QStringList& scheme)
{
    QStringList lines{headerName(chosenPath), QString()};
    lines.append(scheme);
    return lines;
}

void save(const QString& chosenPath, const QStringList& scheme)
{
    textfile::writeLines(targetPath(chosenPath), fileLines(chosenPath, scheme));
}

} // namespace rifffile
