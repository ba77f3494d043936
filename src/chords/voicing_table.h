#pragma once

#include <string>
#include <string_view>
#include <vector>

// The fingerings of every chord picture the program ships. Plain C++ with no Qt, so that
// the picture generator draws from the same table the program plays from.
namespace chords {

// The chord types in the order of the type selector.
enum class ChordType {
    Major,
    Sus4,
    Augmented,
    Sixth,
    Seventh,
    MajorSeventh,
    Ninth,
    Eleventh,
    Diminished,
    Minor,
    MinorSixth,
    MinorSeventh,
};

// One fingering as a guitarist writes it down. Roots count semitones from DO (0) to SI (11).
struct Voicing
{
    int root;
    ChordType type;
    bool secondPosition;
    const char* frets;
    const char* fingers;
};

// Every picture the program ships: the first positions, the three shared diminished
// pictures and the second positions.
const std::vector<Voicing>& voicingTable();

// The bare file name of the voicing's picture in imm/, such as "do_diesis_7.gif",
// "sol7_sec.gif" or, for a diminished chord, the shared "uno.gif", "due.gif" or "tre.gif".
std::string pictureName(const Voicing& voicing);

// The voicing drawn in the picture of that bare file name; null for a name no picture has.
const Voicing* voicingForPicture(std::string_view pictureName);

} // namespace chords
