#pragma once

#include "chords/voicing_table.h"

#include <cstdint>

// The tones of each chord type, in semitones above the root, in one table: what the
// fingering engine plays and what the chord identifier recognises. Plain C++ with no Qt.
namespace chords {

// A set of intervals (or pitch classes): bit i stands for i semitones above the root
// (or for the pitch class i, DO = 0).
using ToneSet = std::uint16_t;

constexpr ToneSet toneBit(int semitones)
{
    return static_cast<ToneSet>(1u << (((semitones % 12) + 12) % 12));
}

struct ChordTones
{
    // Every one of these sounds in a fingering of the chord.
    ToneSet required;
    // These may sound or be left out; nothing else may sound. The fifth is optional in
    // the chords of four or more tones (DO 6 is played x 3 2 2 1 0), the third and the
    // fifth in the eleventh (1 b7 9 11).
    ToneSet optional;

    ToneSet all() const { return static_cast<ToneSet>(required | optional); }
};

// The tones of a type above its root.
const ChordTones& chordTones(ChordType type);

// The interval set turned into pitch classes above root (0 = DO ... 11 = SI).
ToneSet transposed(ToneSet intervals, int root);

// The pitch classes of the chord's required and optional tones.
ChordTones chordPitchClasses(int root, ChordType type);

// The number of tones in the set.
int toneCount(ToneSet tones);

} // namespace chords
