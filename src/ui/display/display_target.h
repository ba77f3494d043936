#pragma once

#include <QImage>
#include <QRect>
#include <qopengl.h>

class QOpenGLExtraFunctions;

// The off-screen surface the scene is drawn into: a framebuffer of the display
// mode's size and colour depth (8 bit as RGB332, 16 bit as RGB565, 24 and 32 bit
// with 8 bits a channel), with a depth buffer when the Z-buffer is on. Needs the
// display's OpenGL context to be current for every call.
class DisplayTarget
{
public:
    // Tries the formats that hold at least the requested depth, smallest first;
    // returns false when none can be drawn into at this size.
    bool create(QOpenGLExtraFunctions* gl, bool openGLES, int width, int height, int bits,
                bool depthBuffer);
    void destroy();
    // Forgets the graphics objects of a context that can no longer be made
    // current, without calling into it.
    void abandon();
    bool isValid() const { return m_framebuffer != 0; }

    int width() const { return m_width; }
    int height() const { return m_height; }
    // The depth that was achieved, which may be larger than the one asked for.
    int bitCount() const { return m_bits; }
    bool hasDepthBuffer() const { return m_depth != 0; }

    void bind();
    // Draws the frame into the framebuffer drawFramebuffer at target (in
    // OpenGL's window coordinates, rows counted from the bottom), scaling with
    // linear filtering when the sizes differ. A textured quad rather than a
    // framebuffer blit: software renderers draw it on all their threads.
    void presentTo(GLuint drawFramebuffer, const QRect& target);
    // The pixels as last drawn, top row first.
    QImage read();

private:
    QOpenGLExtraFunctions* m_gl = nullptr;
    GLuint m_present = 0;
    int m_corner = -1;
    GLint m_filter = 0;
    GLuint m_framebuffer = 0;
    GLuint m_colour = 0;
    GLuint m_depth = 0;
    int m_width = 0;
    int m_height = 0;
    int m_bits = 0;
};
