#pragma once

#include "canvas.h"

#include <string_view>

// A 5 x 7 pixel font of our own for the string names and numbers of the diagrams: digits
// and the letters of "mi si sol re la MI". Glyphs sit in 6-pixel cells (one blank column).
namespace BitmapFont {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

int textWidth(std::string_view text);
// Draws text with its top-left pixel at (x, top); throws for a character the font lacks.
void drawText(Canvas& canvas, int x, int top, std::string_view text, std::uint8_t colour);

} // namespace BitmapFont
