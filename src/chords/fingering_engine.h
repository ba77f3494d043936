#pragma once

#include "chords/fingering.h"
#include "chords/tuning.h"
#include "chords/voicing_table.h"

#include <vector>

// Every playable fingering of a chord in a tuning, ranked easiest first. Plain C++ with no
// Qt, shared by the program, the picture generator and the benchmark.
//
// A fingering is playable when every required tone of the chord sounds, nothing outside
// the chord sounds, the lowest sounding string plays the root, its fretted notes lie within
// four frets, and it needs at most four fingers (a barre across neighbouring strings at the
// lowest fretted fret counts as one).
namespace chords {

// Ranked best first; identical fingerings appear once. root: 0 (DO) to 11 (SI); capo: 0 to
// MaxCapo. With a capo the frets count from it and the chord sounds as named: the shapes
// are those of the chord capo semitones lower, in the same order. In standard tuning the
// shipped picture's fingering comes first for its chord (for a diminished chord only for
// the root the picture has in its bass).
std::vector<Fingering> fingerings(int root, ChordType type, const Tuning& tuning, int capo = 0);

// The MIDI pitch each string sounds (-1 for a muted one) with the capo on its fret.
std::array<int, StringCount> soundingPitches(const Frets& frets, const Tuning& tuning,
                                             int capo = 0);

} // namespace chords
