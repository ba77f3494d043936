#include "ui/display/display_target.h"

#include "ui/display/gl_program.h"

#include <QOpenGLExtraFunctions>

#include <utility>

namespace {

struct ColourFormat
{
    GLenum internalFormat;
    GLenum format;
    GLenum type;
    int bits;
};

const char* const VertexShader = R"(
attribute vec2 a_corner;
varying vec2 v_texel;
void main()
{
    v_texel = a_corner;
    gl_Position = vec4(a_corner * 2.0 - 1.0, 0.0, 1.0);
}
)";

const char* const FragmentShader = R"(
uniform sampler2D u_frame;
varying vec2 v_texel;
void main()
{
    gl_FragColor = vec4(texture2D(u_frame, v_texel).rgb, 1.0);
}
)";

const GLfloat Corners[] = {0, 0, 1, 0, 0, 1, 1, 1};

} // namespace

bool DisplayTarget::create(QOpenGLExtraFunctions* gl, bool openGLES, int width, int height,
                           int bits, bool depthBuffer)
{
    destroy();
    m_gl = gl;
    const QByteArray header = shaderHeader(openGLES);
    m_present = linkShaderProgram(gl, header + VertexShader, header + FragmentShader);
    if (!m_present)
        return false;
    m_corner = gl->glGetAttribLocation(m_present, "a_corner");

    static const ColourFormat formats[] = {{GL_R3_G3_B2, GL_RGB, GL_UNSIGNED_BYTE_3_3_2, 8},
                                           {GL_RGB565, GL_RGB, GL_UNSIGNED_SHORT_5_6_5, 16},
                                           {GL_RGB8, GL_RGB, GL_UNSIGNED_BYTE, 24},
                                           {GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE, 32}};
    for (const ColourFormat& f : formats) {
        if (f.bits < bits)
            continue;
        gl->glGenFramebuffers(1, &m_framebuffer);
        gl->glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
        gl->glGenTextures(1, &m_colour);
        gl->glBindTexture(GL_TEXTURE_2D, m_colour);
        gl->glTexImage2D(GL_TEXTURE_2D, 0, GLint(f.internalFormat), width, height, 0, f.format,
                         f.type, nullptr);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        gl->glBindTexture(GL_TEXTURE_2D, 0);
        m_filter = GL_NEAREST;
        gl->glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, m_colour,
                                   0);
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
        // Try the next format with the same program.
        const GLuint program = std::exchange(m_present, 0);
        destroy();
        m_present = program;
        m_gl = gl;
    }
    return false;
}

void DisplayTarget::abandon()
{
    m_gl = nullptr;
    destroy();
}

void DisplayTarget::destroy()
{
    if (m_gl) {
        if (m_framebuffer) {
            m_gl->glBindFramebuffer(GL_FRAMEBUFFER, 0);
            m_gl->glDeleteFramebuffers(1, &m_framebuffer);
        }
        if (m_colour)
            m_gl->glDeleteTextures(1, &m_colour);
        if (m_depth)
            m_gl->glDeleteRenderbuffers(1, &m_depth);
        if (m_present)
            m_gl->glDeleteProgram(m_present);
    }
    m_framebuffer = m_colour = m_depth = 0;
    m_width = m_height = m_bits = 0;
    m_present = 0;
    m_gl = nullptr;
}

void DisplayTarget::bind()
{
    m_gl->glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    m_gl->glViewport(0, 0, m_width, m_height);
}

void DisplayTarget::presentTo(GLuint drawFramebuffer, const QRect& target)
{
    QOpenGLExtraFunctions* gl = m_gl;
    gl->glBindFramebuffer(GL_FRAMEBUFFER, drawFramebuffer);
    gl->glViewport(target.left(), target.top(), target.width(), target.height());
    gl->glDisable(GL_DEPTH_TEST);
    gl->glDisable(GL_CULL_FACE);
    gl->glDisable(GL_BLEND);
    gl->glActiveTexture(GL_TEXTURE0);
    gl->glBindTexture(GL_TEXTURE_2D, m_colour);
    const GLint filter =
        target.width() != m_width || target.height() != m_height ? GL_LINEAR : GL_NEAREST;
    if (filter != m_filter) {
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        m_filter = filter;
    }
    gl->glUseProgram(m_present);
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
    gl->glEnableVertexAttribArray(m_corner);
    gl->glVertexAttribPointer(m_corner, 2, GL_FLOAT, GL_FALSE, 0, Corners);
    gl->glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    gl->glDisableVertexAttribArray(m_corner);
    gl->glUseProgram(0);
    gl->glBindTexture(GL_TEXTURE_2D, 0);
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
