#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct ListFile;

// The chord list as a ChordPro song (".cho"), the plain text that songbook programs
// share: "{title: ...}", one "{define: NAME base-fret N frets ...}" for each distinct
// chord with the fingering its entry's picture shows, the chords in brackets, a blank
// entry ending a line, and the additional information as "{comment: ...}" lines.
namespace chordpro {

inline const QString Extension = QStringLiteral(".cho");

// The chord's name in the usual English spelling ("C", "C#", "Ebm7", "Gmaj7", "Bdim7"),
// or nothing for a text that names no chord the program knows.
QString chordName(const QString& entry);

// "base-fret N frets a b c d e f" for a shipped picture's fingering, low MI string
// first, x for a muted string; empty for a picture no fingering is known for.
QString defineShape(const QString& picture);

QStringList songLines(const ListFile& list);
// The song as UTF-8 text, every line ended by LF.
QByteArray songBytes(const ListFile& list);

} // namespace chordpro
