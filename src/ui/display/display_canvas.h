#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <qopengl.h>

#include <array>
#include <functional>

class QOpenGLExtraFunctions;

// A 2D drawing surface over the display's back buffer: text at pixel positions
// (measured from the top-left corner, the position being the top of the text
// cell), in a font colour and size, on a transparent or filled background. The
// texts collect until release(), which draws them over the frame; the picture of
// the texts is only redrawn when they differ from the previous frame's, so a
// steady overlay costs one textured quad and no allocation.
class DisplayCanvas
{
public:
    struct TextOutput
    {
        int x = 0;
        int y = 0;
        QString text;
        QRgb colour = 0;
        int pointSize = 0;
        bool transparent = true;
        QRgb background = 0;

        bool operator==(const TextOutput&) const = default;
    };
    // Texts beyond this many in one frame are dropped.
    static constexpr int Capacity = 16;

    // prepare makes the surface the current drawing target; it returns false when
    // the surface cannot be drawn on.
    bool create(QOpenGLExtraFunctions* gl, bool openGLES, int surfaceWidth, int surfaceHeight,
                std::function<bool()> prepare);
    void destroy();
    // Forgets the graphics objects of a context that can no longer be made
    // current, without calling into it.
    void abandon();

    void setTransparentBackground(bool transparent) { m_transparent = transparent; }
    void setBackgroundColour(const QColor& colour) { m_background = colour.rgb(); }
    void setFontColour(const QColor& colour) { m_colour = colour.rgb(); }
    // In points on a 96 dpi surface.
    void setFontSize(int points) { m_pointSize = points; }
    void textOut(int x, int y, const QString& text);

    // Draws the collected texts over the surface and starts a new list.
    void release();
    bool hasPending() const { return m_pendingCount > 0; }

    // The texts drawn by the last release(), in the order they were written.
    int textCount() const { return m_drawnCount; }
    const TextOutput& text(int i) const { return m_drawn[i]; }
    // The area of the surface the texts cover, from the top-left corner.
    QRect textArea() const { return m_area; }
    // Where a text lands, unclipped: its cell from the position, as wide as the
    // text and as high as the font.
    static QRect textBounds(const TextOutput& text);

private:
    void redrawTexts();

    QOpenGLExtraFunctions* m_gl = nullptr;
    GLuint m_program = 0;
    std::function<bool()> m_prepare;
    GLuint m_texture = 0;
    int m_surfaceWidth = 0;
    int m_surfaceHeight = 0;

    bool m_transparent = true;
    QRgb m_background = 0xffffffff;
    QRgb m_colour = 0xff000000;
    int m_pointSize = 8;

    std::array<TextOutput, Capacity> m_pending;
    int m_pendingCount = 0;
    std::array<TextOutput, Capacity> m_drawn;
    int m_drawnCount = 0;
    bool m_textureCurrent = false;
    QRect m_area;
    int m_vertex = -1;
    int m_rect = -1;
};
