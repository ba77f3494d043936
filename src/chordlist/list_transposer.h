#pragma once

#include <QString>
#include <QStringList>

class ChordListModel;

// Moves the chords of a list up or down by a number of semitones. An entry the
// program recognises (see chord_spelling.h) takes the transposed chord's text in its own
// notation and the picture the chooser gives that chord: its second position where the
// entry showed a second position and the new chord has one, its first position
// otherwise. Blank entries stay blank; any other text stays as it is, with its picture.
namespace chordlist {

struct Transposition
{
    QStringList lines;
    QStringList pictures;
    // Entries whose text names no chord the program knows, left as they were.
    int unrecognised = 0;
};

// semitones: any whole number; positive moves up. lines and pictures pair by index.
Transposition transposeEntries(const QStringList& lines, const QStringList& pictures,
                               int semitones);

// One entry's new text and picture; false when the text names no known chord.
bool transposeEntry(const QString& line, const QString& picture, int semitones, QString& newLine,
                    QString& newPicture);

// Transposes a list again and again from the list it started from, as long as the list
// stays as the last transposition left it: a second position, a spelling of the
// catalogue's own or a symbol's sharp or flat that a chord in between could not show
// comes back, and up then down by the same interval gives back the very same list.
// Any other list starts afresh.
class ListTransposer
{
public:
    Transposition transpose(const QStringList& lines, const QStringList& pictures, int semitones);
    // What transpose would give, without remembering it (the dialog's preview).
    Transposition preview(const QStringList& lines, const QStringList& pictures,
                          int semitones) const;
    // The model's entries, transposed in place; the number of entries, the pending
    // picture and the selection stay. Returns the number of entries left as they were.
    int transposeList(ChordListModel& list, int semitones);

private:
    bool continuesFrom(const QStringList& lines, const QStringList& pictures) const;

    QStringList m_originLines;
    QStringList m_originPictures;
    int m_offset = 0;
    QStringList m_lastLines;
    QStringList m_lastPictures;
};

} // namespace chordlist
