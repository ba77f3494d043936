#pragma once

#include <QString>

#include <optional>

// Reads the chord an entry of the list names and writes the same chord on another
// root in the same notation. Three notations are understood, all compared exactly
// and case-sensitively:
//  - Italian: the catalogue's names, as the chooser gives them from either group
//    ("DO Maggiore", "DO# Minore 7 / REb Minore 7", "FA#9 / SOLb 9");
//  - the same names with the American note names of the note labels
//    ("C Maggiore", "C# Minore 7 / Db Minore 7");
//  - chord symbols ("C", "C#m7", "Dbm7", "Gmaj7", "Asus4", "Bdim7", "C#m7 / Dbm7").
namespace chordlist {

enum class Notation { Italian, AmericanNames, Symbol };

// How a chord symbol spells a black-key root; the other notations always give both
// the sharp and the flat name.
enum class Accidental { Natural, Sharp, Flat, Both };

struct SpelledChord
{
    int root = 0; // 0 DO ... 11 SI
    int type = 0; // the chooser's type index
    Notation notation = Notation::Italian;
    // Symbols only: the suffix exactly as written ("m7", "-7", "maj7", "7+") and how the
    // root was spelled.
    QString suffix;
    Accidental accidental = Accidental::Natural;
};

std::optional<SpelledChord> recogniseChord(const QString& text);

// The picture whose fingering an entry shows: its own where the program ships it,
// otherwise the catalogue's first position of the chord its text names; empty when neither.
QString fingeringPicture(const QString& entry, const QString& picture);

// The chord's text on its own root, in its notation. Italian and American names take
// the catalogue's regular spelling: "FA# 9 / SOLb 9", "FA# 11 / SOLb 11",
// "SOL# Maggiore / LAb Maggiore". A symbol keeps its suffix and spells a black-key root
// as it was spelled: sharp, flat or both; a symbol whose root was a white key takes
// C#, Eb, F#, Ab or Bb, the spellings chord charts use most.
QString spellChord(const SpelledChord& chord);

// The catalogue's regular Italian name of a chord, the name second positions are
// found by.
QString italianName(int root, int type);

// The chord symbol in the usual English spelling, a black-key root spelled as above:
// "C", "C#", "Ebm7", "Gmaj7", "Asus4", "Caug", "Bdim7"; with flat, the flat name.
QString englishSymbol(int root, int type);
QString englishSymbol(int root, int type, Accidental accidental);

} // namespace chordlist
