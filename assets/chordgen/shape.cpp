#include "shape.h"

#include <algorithm>
#include <stdexcept>
#include <string>

Shape Shape::parse(const char* frets, const char* fingers)
{
    const std::string fretText = frets;
    const std::string fingerText = fingers;
    if (fretText.size() != kStrings || fingerText.size() != kStrings)
        throw std::invalid_argument("a shape needs six frets and six fingers: " + fretText);

    Shape shape;
    for (int s = 0; s < kStrings; ++s) {
        const char fret = fretText[s];
        const char finger = fingerText[s];
        if (fret == 'x')
            shape.frets[s] = -1;
        else if (fret >= '0' && fret <= '9')
            shape.frets[s] = fret - '0';
        else
            throw std::invalid_argument("bad fret in shape " + fretText);

        if (finger == '-')
            shape.fingers[s] = 0;
        else if (finger >= '1' && finger <= '4')
            shape.fingers[s] = finger - '0';
        else
            throw std::invalid_argument("bad finger in shape " + fretText);

        if ((shape.frets[s] > 0) != (shape.fingers[s] > 0))
            throw std::invalid_argument("every fretted string and only those needs a finger: " +
                                        fretText + " " + fingerText);
    }
    return shape;
}

bool Shape::hasOpenString() const
{
    return std::find(frets.begin(), frets.end(), 0) != frets.end();
}

int Shape::lowestFret() const
{
    int lowest = 0;
    for (int fret : frets) {
        if (fret > 0 && (lowest == 0 || fret < lowest))
            lowest = fret;
    }
    return lowest;
}

int Shape::highestFret() const
{
    return std::max(0, *std::max_element(frets.begin(), frets.end()));
}

std::string Shape::fretsText() const
{
    std::string text;
    for (int s = 0; s < kStrings; ++s) {
        if (s > 0)
            text += ' ';
        text += frets[s] < 0 ? std::string("x") : std::to_string(frets[s]);
    }
    return text;
}

std::string Shape::fingersText() const
{
    std::string text;
    for (int s = 0; s < kStrings; ++s) {
        if (s > 0)
            text += ' ';
        text += fingers[s] == 0 ? std::string("-") : std::to_string(fingers[s]);
    }
    return text;
}
