#include "chord_diagram.h"

#include "bitmap_font.h"

#include <stdexcept>
#include <string>

namespace ChordDiagram {

namespace {

// Layout in pixels. Strings are 12 pixels apart so that 11-pixel finger dots on neighbouring
// strings keep a gap between them.
constexpr int kStringTop = 8;
constexpr int kStringGap = 12;
constexpr int kGridLeft = 42; // the nut's right edge, or the first fret wire
constexpr int kFretGap = 28;
constexpr int kGridRight = kGridLeft + kFretsShown * kFretGap;
constexpr int kNutWidth = 4;
constexpr int kNameLeft = 1;
constexpr int kMarkX = 26;
constexpr int kMarkSize = 7;
constexpr int kNumberRight = 38;
constexpr int kDotDiameter = 11;

const std::array<const char*, Shape::kStrings> kStringNames = {"MI", "la", "re", "sol", "si", "mi"};

// The low MI string (0) is drawn at the bottom.
int stringY(int string)
{
    return kStringTop + (Shape::kStrings - 1 - string) * kStringGap;
}

int fretCentreX(int fret, int firstFret)
{
    return kGridLeft + (fret - firstFret) * kFretGap + kFretGap / 2;
}

int textTop(int centreY)
{
    return centreY - BitmapFont::kGlyphHeight / 2;
}

void drawCentredDigit(Canvas& canvas, int cx, int cy, int digit, std::uint8_t colour)
{
    BitmapFont::drawText(canvas, cx - BitmapFont::kGlyphWidth / 2, textTop(cy),
                         std::to_string(digit), colour);
}

void drawGrid(Canvas& canvas, int firstFret)
{
    const int top = stringY(Shape::kStrings - 1);
    const int bottom = stringY(0);
    for (int wire = 1; wire <= kFretsShown; ++wire)
        canvas.fillRect(kGridLeft + wire * kFretGap, top, 1, bottom - top + 1, FretGrey);
    if (firstFret == 1)
        canvas.fillRect(kGridLeft - kNutWidth + 1, top, kNutWidth, bottom - top + 1, Black);
    else
        canvas.fillRect(kGridLeft, top, 1, bottom - top + 1, FretGrey);
    for (int string = 0; string < Shape::kStrings; ++string)
        canvas.fillRect(kGridLeft, stringY(string), kGridRight - kGridLeft + 1, 1, StringGrey);
}

void drawStringNames(Canvas& canvas)
{
    for (int string = 0; string < Shape::kStrings; ++string)
        BitmapFont::drawText(canvas, kNameLeft, textTop(stringY(string)), kStringNames[string],
                             Black);
}

void drawMutedMark(Canvas& canvas, int cy)
{
    const int half = kMarkSize / 2;
    for (int d = -half; d <= half; ++d) {
        canvas.setPixel(kMarkX + d, cy + d, Black);
        canvas.setPixel(kMarkX + d, cy - d, Black);
    }
}

void drawStringMarks(Canvas& canvas, const Shape& shape)
{
    for (int string = 0; string < Shape::kStrings; ++string) {
        if (shape.frets[string] == 0)
            canvas.drawRing(kMarkX, stringY(string), kMarkSize, Black);
        else if (shape.frets[string] < 0)
            drawMutedMark(canvas, stringY(string));
    }
}

void drawFirstFretNumber(Canvas& canvas, int firstFret)
{
    const std::string number = std::to_string(firstFret);
    const int centreY = (stringY(0) + stringY(Shape::kStrings - 1)) / 2;
    // Drawn twice a pixel apart: bold, so that it does not read as a string's mark.
    const int left = kNumberRight - BitmapFont::textWidth(number);
    BitmapFont::drawText(canvas, left, textTop(centreY), number, Black);
    BitmapFont::drawText(canvas, left + 1, textTop(centreY), number, Black);
}

// A finger on one string is a dot; a finger across several strings is a barre, drawn as one
// bar from its highest to its lowest string with the finger number in the middle.
void drawFingers(Canvas& canvas, const Shape& shape, int firstFret)
{
    for (int finger = 1; finger <= 4; ++finger) {
        int lowString = -1;
        int highString = -1;
        int fret = 0;
        for (int string = 0; string < Shape::kStrings; ++string) {
            if (shape.fingers[string] != finger)
                continue;
            if (lowString >= 0 && shape.frets[string] != fret)
                throw std::invalid_argument("finger " + std::to_string(finger) +
                                            " cannot press two frets");
            if (lowString < 0)
                lowString = string;
            highString = string;
            fret = shape.frets[string];
        }
        if (lowString < 0)
            continue;
        const int cx = fretCentreX(fret, firstFret);
        const int top = stringY(highString);
        const int bottom = stringY(lowString);
        canvas.fillDisc(cx, top, kDotDiameter, Black);
        canvas.fillDisc(cx, bottom, kDotDiameter, Black);
        canvas.fillRect(cx - kDotDiameter / 2, top, kDotDiameter, bottom - top + 1, Black);
        drawCentredDigit(canvas, cx, (top + bottom) / 2, finger, White);
    }
}

} // namespace

const std::array<Rgb, kPaletteSize>& palette()
{
    static const std::array<Rgb, kPaletteSize> colours = {{
        {255, 255, 255}, // White
        {0, 0, 0},       // Black
        {128, 128, 128}, // FretGrey
        {64, 64, 64},    // StringGrey
    }};
    return colours;
}

int firstFretShown(const Shape& shape)
{
    const int lowest = shape.lowestFret();
    return shape.hasOpenString() || lowest <= 1 ? 1 : lowest;
}

Canvas draw(const Shape& shape)
{
    const int firstFret = firstFretShown(shape);
    if (shape.highestFret() >= firstFret + kFretsShown)
        throw std::invalid_argument("the shape " + shape.fretsText() + " spans more than " +
                                    std::to_string(kFretsShown) + " frets");

    Canvas canvas(kWidth, kHeight, White);
    drawGrid(canvas, firstFret);
    drawStringNames(canvas);
    drawStringMarks(canvas, shape);
    if (firstFret > 1)
        drawFirstFretNumber(canvas, firstFret);
    drawFingers(canvas, shape, firstFret);
    return canvas;
}

} // namespace ChordDiagram
