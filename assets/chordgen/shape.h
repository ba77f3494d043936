#pragma once

#include <array>
#include <string>

// A fingering decoded from its table text. Strings are numbered 0 (low MI) to 5 (high mi).
// Frets are one-based: 0 is an open string and -1 a muted one. Fingers run from 1 (index)
// to 4 (little), 0 where no finger presses the string.
struct Shape
{
    static constexpr int kStrings = 6;

    std::array<int, kStrings> frets{};
    std::array<int, kStrings> fingers{};

    // Throws std::invalid_argument when the text is not six strings' worth of frets and
    // fingers, or a fretted string has no finger, or an open or muted one has one.
    static Shape parse(const char* frets, const char* fingers);

    bool hasOpenString() const;
    // The lowest and highest fretted fret, 0 when no string is fretted.
    int lowestFret() const;
    int highestFret() const;
    // "x 3 2 0 1 0" and "- 3 2 - 1 -", low MI first, as the shape table file writes them.
    std::string fretsText() const;
    std::string fingersText() const;
};
