#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The fixed vocabulary of the chooser: 12 roots (index 0 = DO, ascending by
// semitone) by 12 chord types, their names in Italian notation and their
// picture files under imm/.
namespace chords {

constexpr int RootCount = 12;
constexpr int TypeCount = 12;
constexpr int Diminished = 8;
constexpr int Seventh = 4;

// Which radio group completed the choice; three names differ by it.
enum class Source { TypeGroup, NoteGroup };

struct SecondPosition
{
    QString firstPicture;
    QString secondPicture;
};

QString chordName(int root, int type, Source source);
QString chordPicture(int root, int type);
std::optional<SecondPosition> secondPosition(const QString& name);
QStringList noteLabels(bool american);
QStringList typeLabels();

// programDir ends with "/"; the picture lies in its imm folder.
QString picturePath(const QString& programDir, const QString& fileName);

// A bare file name: no "/" or "\", no "..", no control character. Only such
// picture names are ever opened or linked; any other name a list file holds is
// kept and written back unchanged, but taken for a picture that cannot be opened.
bool isBarePictureName(const QString& fileName);
// picturePath of a bare name; for any other name throws "Cannot open file
// <path>", as for a missing picture.
QString openablePicturePath(const QString& programDir, const QString& fileName);

// Every picture file the catalogue names: 135 first positions and 10 second ones.
QStringList allPictureFiles();

} // namespace chords
