#pragma once

#include "canvas.h"
#include "shape.h"

#include <array>
#include <cstdint>

// The fingering picture as the picture view shows it: 183 x 76 pixels, white, the six strings
// across with the high mi on top and the low MI at the bottom (as in tablature), the string
// names on the left, then the open and muted marks, then the nut, or the number of the first
// fret shown when the shape lies further up the neck. Five frets are shown.
namespace ChordDiagram {

constexpr int kWidth = 183;
constexpr int kHeight = 76;
constexpr int kFretsShown = 5;
constexpr int kPaletteSize = 4;

// A four-colour palette: crisp pixels with no blending, and black on white prints well.
enum Colour : std::uint8_t { White, Black, FretGrey, StringGrey };

struct Rgb
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

const std::array<Rgb, kPaletteSize>& palette();

// The first fret column of the picture: 1 (with the nut) for a shape with an open string or
// a note on the first fret, otherwise the lowest fretted fret.
int firstFretShown(const Shape& shape);

// Throws std::invalid_argument when the shape does not fit in the frets shown.
Canvas draw(const Shape& shape);

} // namespace ChordDiagram
