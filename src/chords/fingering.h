#pragma once

#include "chords/strum_synth.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One way to play a chord, as a chord chart shows it. Plain C++ with no Qt.
namespace chords {

struct Voicing;

// The frets 0-15 of the neck are searched; with a capo, frets count from the capo.
constexpr int MaxFret = 15;
constexpr int MaxCapo = 9;
// A diagram shows five frets; fretted notes of a fingering lie within four.
constexpr int FretsShown = 5;
constexpr int MaxSpan = 4;

// One finger pressing several neighbouring strings at one fret. Strings count from the
// low MI string (0) to the high mi string (5).
struct Barre
{
    int fret;
    int finger;
    int lowString;
    int highString;
};

struct Fingering
{
    // Low MI string first: -1 muted, 0 open (at the capo), n = n frets above the capo.
    Frets frets{-1, -1, -1, -1, -1, -1};
    // Low MI string first: 0 no finger (open or muted), 1 index ... 4 little finger. The
    // same finger on several strings at one fret is a barre.
    std::array<int, StringCount> fingers{};
    // Playability cost: lower is easier (see the fingering engine).
    int cost = 0;

    // Same frets and fingers; the cost is not compared.
    bool samePlaying(const Fingering& other) const
    {
        return frets == other.frets && fingers == other.fingers;
    }

    // Every finger that presses more than one string.
    std::vector<Barre> barres() const;
    bool hasBarre() const;
    // The lowest and highest fretted frets; 0 when no string is fretted.
    int lowestFret() const;
    int highestFret() const;
    // The fret of the diagram's first column: 1 (the nut drawn) when the shape fits in the
    // first five frets and has an open string or a note on the first fret, otherwise
    // the lowest fretted fret, written beside the grid. Never 0.
    int firstFretShown() const;
    // The lowest sounding string; -1 when every string is muted.
    int bassString() const;
    int soundingStrings() const;
    int fingerCount() const;
    // "x 3 2 0 1 0": low MI string first, x for a muted string.
    std::string fretsText() const;
    // "0 3 2 0 1 0": 0 for an open or muted string.
    std::string fingersText() const;
};

// A shipped voicing as a fingering (cost 0).
Fingering fingeringOf(const Voicing& voicing);

// Six frets, low MI string first, either spaced ("x 3 2 0 1 0", "x x 10 10 10 8") or as six
// characters ("x32010"); x or X mutes a string. Frets above MaxFret, a wrong count or any
// other character give nothing.
std::optional<Frets> parseFrets(std::string_view text);

} // namespace chords
