#pragma once

#include <vector>

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
