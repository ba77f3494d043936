#include "ui/display_target.h"

#include <QOpenGLExtraFunctions>

namespace {

struct ColourFormat
{
    GLenum internalFormat;
    int bits;
};

} // namespace

bool DisplayTarget::create(QOpenGLExtraFunctions* gl, int width, int height, int bits,
                           bool depthBuffer)
{
    destroy();
    m_gl = gl;
    static const ColourFormat formats[] = {
        {GL_R3_G3_B2, 8}, {GL_RGB565, 16}, {GL_RGB5, 16}, {GL_RGB8, 24}, {GL_RGBA8, 32}};
    for (const ColourFormat& f : formats) {
        if (f.bits < bits)
            continue;
        gl->glGenFramebuffers(1, &m_framebuffer);
        gl->glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
        gl->glGenRenderbuffers(1, &m_colour);
        gl->glBindRenderbuffer(GL_RENDERBUFFER, m_colour);
        gl->glRenderbufferStorage(GL_RENDERBUFFER, f.internalFormat, width, height);
        gl->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                      m_colour);
        if (depthBuffer) {
            gl->glGenRenderbuffers(1, &m_depth);
            gl->glBindRenderbuffer(GL_RENDERBUFFER, m_depth);
            // A 16-bit mode gets the 16-bit depth buffer such cards paired with it.
            gl->glRenderbufferStorage(GL_RENDERBUFFER,
                                      f.bits <= 16 ? GL_DEPTH_COMPONENT16 : GL_DEPTH_COMPONENT24,
                                      width, height);
            gl->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                          m_depth);
        }
        const bool complete =
            gl->glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
        while (gl->glGetError() != GL_NO_ERROR) {
        }
        if (complete) {
            m_width = width;
            m_height = height;
            m_bits = f.bits;
            return true;
        }
        destroy();
        m_gl = gl;
    }
    return false;
}

void DisplayTarget::destroy()
{
    if (!m_gl)
        return;
    if (m_framebuffer) {
        m_gl->glBindFramebuffer(GL_FRAMEBUFFER, 0);
        m_gl->glDeleteFramebuffers(1, &m_framebuffer);
    }
    if (m_colour)
        m_gl->glDeleteRenderbuffers(1, &m_colour);
    if (m_depth)
        m_gl->glDeleteRenderbuffers(1, &m_depth);
    m_framebuffer = m_colour = m_depth = 0;
    m_width = m_height = m_bits = 0;
    m_gl = nullptr;
}

void DisplayTarget::bind()
{
    m_gl->glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    m_gl->glViewport(0, 0, m_width, m_height);
}

void DisplayTarget::blitTo(GLuint drawFramebuffer, const QRect& target)
{
    m_gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, m_framebuffer);
    m_gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, drawFramebuffer);
    const bool scaled = target.width() != m_width || target.height() != m_height;
    m_gl->glBlitFramebuffer(0, 0, m_width, m_height, target.left(), target.top(),
                            target.left() + target.width(), target.top() + target.height(),
                            GL_COLOR_BUFFER_BIT, scaled ? GL_LINEAR : GL_NEAREST);
    m_gl->glBindFramebuffer(GL_FRAMEBUFFER, drawFramebuffer);
}

QImage DisplayTarget::read()
{
    if (!isValid())
        return {};
    QImage image(m_width, m_height, QImage::Format_RGBA8888);
    m_gl->glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    m_gl->glPixelStorei(GL_PACK_ALIGNMENT, 4);
    m_gl->glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    return image.mirrored(false, true).convertToFormat(QImage::Format_RGB32);
}
