#include "chords/fingering_engine.h"

namespace chords {

std::vector<Fingering> fingerings(int, ChordType, const Tuning&, int)
{
    return {};
}

std::array<int, StringCount> soundingPitches(const Frets& frets, const Tuning& tuning, int capo)
{
    std::array<int, StringCount> pitches{};
    for (int s = 0; s < StringCount; ++s)
        pitches[s] = frets[s] < 0 ? -1 : tuning.openPitches[s] + capo + frets[s];
    return pitches;
}

} // namespace chords
