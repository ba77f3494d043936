#pragma once

#include <QString>
#include <QStringList>

// The riff text file: the chosen file name, an empty line, then the scheme text.
// It is written and never read back.
namespace rifffile {

// The name as chosen in the dialog, without its folder.
QString headerName(const QString& chosenPath);

// The chosen path when its extension is exactly ".txt", otherwise the chosen
// path with ".txt" appended ("abc" -> "abc.txt", "abc.TXT" -> "abc.TXT.txt").
QString targetPath(const QString& chosenPath);

// The lines of the file: the header name, an empty line, the scheme text.
QStringList fileLines(const QString& chosenPath, const QStringList& scheme);

// Writes the file to targetPath(chosenPath) through the program's text codec.
// Throws CorvaltoError "Cannot create file <target>" when it cannot be written,
// or the code-page message for a character the file cannot hold.
void save(const QString& chosenPath, const QStringList& scheme);

} // namespace rifffile
