#pragma once

#include "chords/chord_tones.h"
#include "chords/fingering.h"
#include "chords/tuning.h"

#include <QString>

#include <vector>

// Names the chords a shape on the fretboard makes: the reverse of the fingering engine.
namespace chords {

// The order of the results: the best kind first.
enum class MatchKind {
    // Every tone of the chord sounds (the optional ones may be left out, but for the
    // fifth) and the root is in the bass.
    RootInBass,
    // The same tones with another chord tone in the bass: a slash chord.
    Inversion,
    // The chord without its fifth (only where the fifth may be left out), root in the bass
    // first, then with another tone in the bass.
    NoFifth,
};

struct ChordMatch
{
    int root; // 0 DO ... 11 SI
    ChordType type;
    MatchKind kind;
    int bass; // the pitch class of the lowest sounding note
};

struct Identification
{
    // Every chord of the catalogue the sounding notes make, best first.
    std::vector<ChordMatch> matches;
    // The pitch classes heard; 0 when every string is muted.
    ToneSet pitchClasses = 0;
    // The pitch class of the lowest sounding note; -1 when every string is muted.
    int bass = -1;
};

// frets: low MI string first, -1 muted, counted from the capo.
Identification identifyChord(const Frets& frets, const Tuning& tuning, int capo = 0);

// The match's name as the main window would show it, in Italian note names: the
// catalogue's name as the type selector completes it ("DO Maggiore", "DO# Minore 7 / REb
// Minore 7"); a slash chord adds "/ " and the bass ("LA Maggiore / MI"), but a sharp
// root's catalogue name already holds " / ", so there the bass follows in brackets:
// "DO# Maggiore / REb Maggiore (basso SOL#)". A bass on a black key is spelled as the chord
// spells it (DO Minore / MIb, MI Maggiore / SOL#).
// With american: chord symbols ("C", "Am7", "Gmaj7", "Bdim7", "Dsus4", "Caug"), a sharp root
// with its flat twin ("C#m7 / Dbm7"), a slash chord as "A/E", or "C#/G# / Db/Ab".
QString matchName(const ChordMatch& match, bool american = false);

// The chord symbol in the usual English spelling: "C", "C#m7" or, with flat, "Dbm7";
// "Gmaj7", "Asus4", "Bdim7", "Caug", "C6", "Cm6", "C9", "C11".
QString chordSymbol(int root, ChordType type, bool flat = false);

// The notes heard, from the bass upwards, one name each ("DO MI SOL# SI", "C E G# B"), as
// the "nessun accordo" line lists them.
QString noteNames(ToneSet pitchClasses, int bass, bool american = false);

} // namespace chords
