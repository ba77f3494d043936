#pragma once

#include <array>
#include <vector>

namespace chords {

struct Voicing;

constexpr int StringCount = 6;

// Frets from the low MI string to the high mi string: 0 an open string, -1 a muted one.
using Frets = std::array<int, StringCount>;

// The voicing's frets; a voicing from the table always parses.
Frets fretsOf(const Voicing& voicing);

// Standard tuning in equal temperament from LA = 440 Hz: MI 82.41 Hz .. mi 329.63 Hz.
double stringFrequency(int string, int fret);

// A downstroke over the voicing: each sounding string a plucked string (Karplus-Strong with
// tuned fractional delay), fading by 60 dB in about two seconds.
struct Strum
{
    static constexpr double Seconds = 2.5;
    // Between the onsets of neighbouring strings, muted ones included.
    static constexpr double StringGapSeconds = 0.030;

    // Mono samples, peak below full scale (1.0) whatever the voicing.
    std::vector<float> samples;
    // The first sample of each string; the lowest sounding string starts at 0. Muted
    // strings hold where they would have started.
    std::array<int, StringCount> onsets{};
};

Strum renderStrum(const Frets& frets, int sampleRate);

// The same downstroke over the MIDI pitches each string sounds, low string first, -1 for a
// muted one: the pitches of any tuning and capo (the fingering engine's soundingPitches).
Strum renderStrumPitches(const std::array<int, StringCount>& pitches, int sampleRate);

} // namespace chords
