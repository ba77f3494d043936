#pragma once

#include "chords/strum_synth.h"

#include <array>
#include <string_view>
#include <vector>

// The tunings the fingering engine knows. Plain C++ with no Qt.
namespace chords {

struct Tuning
{
    // Kept in the user's settings and written by the benchmark's dump: "standard",
    // "halfdown", "dropd", "dadgad", "openg", "opend".
    const char* id;
    // As the tuning selector shows it: "Standard", "Mezzo tono sotto", "Drop D", ...
    const char* caption;
    // MIDI pitches of the open strings, low MI string first (standard: 40 45 50 55 59 64).
    std::array<int, StringCount> openPitches;
    // The strings' names in a diagram, low string first: "MI" "la" "re" "sol" "si" "mi".
    std::array<const char*, StringCount> stringNames;
};

// Every tuning, standard first, in the order of the tuning selector.
const std::vector<Tuning>& tunings();

// Null for an id no tuning has.
const Tuning* findTuning(std::string_view id);

const Tuning& standardTuning();

} // namespace chords
