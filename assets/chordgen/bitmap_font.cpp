#include "bitmap_font.h"

#include <array>
#include <stdexcept>
#include <string>

namespace BitmapFont {

namespace {

struct Glyph
{
    char character;
    std::array<const char*, kGlyphHeight> rows;
};

// Lower-case letters have a body five rows high standing on the same baseline as capitals.
const std::array<Glyph, 21> kGlyphs = {{
    {'0', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}},
    {'e', {".....", ".....", ".###.", "#...#", "#####", "#....", ".###."}},
    {'i', {"..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."}},
    {'l', {".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'m', {".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"}},
    {'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
    {'r', {".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."}},
    {'s', {".....", ".....", ".####", "#....", ".###.", "....#", "####."}},
    {' ', {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
}};

const Glyph& glyphFor(char character)
{
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.character == character)
            return glyph;
    }
    throw std::invalid_argument(std::string("the diagram font has no glyph for '") + character +
                                "'");
}

} // namespace

int textWidth(std::string_view text)
{
    return text.empty() ? 0 : static_cast<int>(text.size()) * (kGlyphWidth + 1) - 1;
}

void drawText(Canvas& canvas, int x, int top, std::string_view text, std::uint8_t colour)
{
    for (char character : text) {
        const Glyph& glyph = glyphFor(character);
        for (int row = 0; row < kGlyphHeight; ++row) {
            for (int column = 0; column < kGlyphWidth; ++column) {
                if (glyph.rows[row][column] == '#')
                    canvas.setPixel(x + column, top + row, colour);
            }
        }
        x += kGlyphWidth + 1;
    }
}

} // namespace BitmapFont
