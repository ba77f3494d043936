#include "canvas.h"

#include <cstddef>

Canvas::Canvas(int width, int height, std::uint8_t background)
    : m_width(width), m_height(height),
      m_pixels(static_cast<std::size_t>(width * height), background)
{
}

std::uint8_t Canvas::pixel(int x, int y) const
{
    return m_pixels.at(static_cast<std::size_t>(y * m_width + x));
}

void Canvas::setPixel(int x, int y, std::uint8_t colour)
{
    if (x >= 0 && y >= 0 && x < m_width && y < m_height)
        m_pixels[static_cast<std::size_t>(y * m_width + x)] = colour;
}

void Canvas::fillRect(int x, int y, int width, int height, std::uint8_t colour)
{
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column)
            setPixel(column, row, colour);
    }
}

// Distances are measured between pixel centres and compared in quarter pixels squared, so
// that the discs come out the same on every compiler (no floating point).
void Canvas::fillDisc(int cx, int cy, int diameter, std::uint8_t colour)
{
    const int radius = diameter / 2;
    const int limit = diameter * diameter; // (diameter / 2)^2 scaled by 4
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (4 * (dx * dx + dy * dy) <= limit)
                setPixel(cx + dx, cy + dy, colour);
        }
    }
}

void Canvas::drawRing(int cx, int cy, int diameter, std::uint8_t colour)
{
    const int radius = diameter / 2;
    const int outer = diameter * diameter;
    const int inner = (diameter - 2) * (diameter - 2) - 4; // keeps the line one pixel wide
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const int d = 4 * (dx * dx + dy * dy);
            if (d <= outer && d > inner)
                setPixel(cx + dx, cy + dy, colour);
        }
    }
}
