#pragma once

#include <cstdint>
#include <vector>

// An indexed-colour picture: every pixel holds an index into the GIF's palette.
class Canvas
{
public:
    Canvas(int width, int height, std::uint8_t background);

    int width() const { return m_width; }
    int height() const { return m_height; }
    std::uint8_t pixel(int x, int y) const;
    const std::uint8_t* row(int y) const { return m_pixels.data() + y * m_width; }

    // Pixels outside the picture are ignored, so shapes may be drawn across the edge.
    void setPixel(int x, int y, std::uint8_t colour);
    void fillRect(int x, int y, int width, int height, std::uint8_t colour);
    // A disc of the given odd diameter centred on the pixel (cx, cy).
    void fillDisc(int cx, int cy, int diameter, std::uint8_t colour);
    // A ring of the given odd outer diameter and a line width of one pixel.
    void drawRing(int cx, int cy, int diameter, std::uint8_t colour);

private:
    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_pixels;
};
