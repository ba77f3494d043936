#include "chords/chord_tones.h"

#include <array>
#include <bit>

namespace chords {
namespace {

constexpr ToneSet tones(std::initializer_list<int> intervals)
{
    ToneSet set = 0;
    for (int i : intervals)
        set = static_cast<ToneSet>(set | toneBit(i));
    return set;
}

// In the order of the type selector. The shipped pictures play these tones: 9 is 1 3 b7 9
// (the fifth left out in the A-shape ninths), 11 is 1 b7 9 11 (DO 11 is x 3 3 3 3 3,
// RE 11 x x 0 0 1 0). Diminuito is the diminished seventh, whose four tones all sound: a
// tone left out would leave a plain diminished triad or an ambiguous one.
const std::array<ChordTones, 12> kTable{{
    {tones({0, 4, 7}), 0},                 // Maggiore
    {tones({0, 5, 7}), 0},                 // 4: suspended fourth
    {tones({0, 4, 8}), 0},                 // 5+: augmented
    {tones({0, 4, 9}), tones({7})},        // 6
    {tones({0, 4, 10}), tones({7})},       // 7
    {tones({0, 4, 11}), tones({7})},       // 7+
    {tones({0, 4, 10, 2}), tones({7})},    // 9
    {tones({0, 10, 2, 5}), tones({4, 7})}, // 11
    {tones({0, 3, 6, 9}), 0},              // Diminuito
    {tones({0, 3, 7}), 0},                 // Minore
    {tones({0, 3, 9}), tones({7})},        // Minore 6
    {tones({0, 3, 10}), tones({7})},       // Minore 7
}};

} // namespace

const ChordTones& chordTones(ChordType type)
{
    return kTable.at(static_cast<size_t>(type));
}

ToneSet transposed(ToneSet intervals, int root)
{
    const int r = ((root % 12) + 12) % 12;
    const unsigned wide = static_cast<unsigned>(intervals) << r;
    return static_cast<ToneSet>((wide | (wide >> 12)) & 0xfffu);
}

ChordTones chordPitchClasses(int root, ChordType type)
{
    const ChordTones& t = chordTones(type);
    return {transposed(t.required, root), transposed(t.optional, root)};
}

int toneCount(ToneSet tones)
{
    return std::popcount(static_cast<unsigned>(tones));
}

} // namespace chords
