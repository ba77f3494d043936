#include "ui/display/display_canvas.h"

#include "ui/display/gl_program.h"

#include <QFont>
#include <QFontMetrics>
#include <QOpenGLExtraFunctions>
#include <QPainter>

#include <cmath>

namespace {

const char* const VertexShader = R"(
attribute vec2 a_corner;
uniform vec4 u_rect;
varying vec2 v_texel;
void main()
{
    v_texel = a_corner;
    gl_Position = vec4(mix(u_rect.xy, u_rect.zw, a_corner), 0.0, 1.0);
}
)";

const char* const FragmentShader = R"(
uniform sampler2D u_texture;
varying vec2 v_texel;
void main()
{
    gl_FragColor = texture2D(u_texture, v_texel);
}
)";

// The surface's font, at a pixel size for points on a 96 dpi surface. A
// condensed face: at 640 by 480 the overlay's right-hand column leaves 181
// pixels for "Risoluzione: 640x480x16" in 12 points.
QFont canvasFont(int pointSize)
{
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStretch(QFont::SemiCondensed);
    font.setPixelSize(std::max(1, int(std::lround(pointSize * 96.0 / 72.0))));
    return font;
}

const GLfloat Corners[] = {0, 0, 1, 0, 0, 1, 1, 1};

} // namespace

bool DisplayCanvas::create(QOpenGLExtraFunctions* gl, bool openGLES, int surfaceWidth,
                           int surfaceHeight, std::function<bool()> prepare)
{
    destroy();
    m_gl = gl;
    m_prepare = std::move(prepare);
    m_surfaceWidth = surfaceWidth;
    m_surfaceHeight = surfaceHeight;
    const QByteArray header = shaderHeader(openGLES);
    m_program = linkShaderProgram(gl, header + VertexShader, header + FragmentShader);
    if (!m_program)
        return false;
    m_vertex = gl->glGetAttribLocation(m_program, "a_corner");
    m_rect = gl->glGetUniformLocation(m_program, "u_rect");
    gl->glGenTextures(1, &m_texture);
    gl->glBindTexture(GL_TEXTURE_2D, m_texture);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    gl->glBindTexture(GL_TEXTURE_2D, 0);
    m_textureCurrent = false;
    m_drawnCount = 0;
    m_pendingCount = 0;
    m_area = {};
    return true;
}

void DisplayCanvas::abandon()
{
    m_gl = nullptr;
    destroy();
}

void DisplayCanvas::destroy()
{
    if (m_gl && m_texture)
        m_gl->glDeleteTextures(1, &m_texture);
    if (m_gl && m_program)
        m_gl->glDeleteProgram(m_program);
    m_texture = 0;
    m_program = 0;
    m_prepare = nullptr;
    m_gl = nullptr;
    m_textureCurrent = false;
}

void DisplayCanvas::textOut(int x, int y, const QString& text)
{
    if (m_pendingCount >= Capacity)
        return;
    TextOutput& t = m_pending[m_pendingCount++];
    t.x = x;
    t.y = y;
    t.text = text;
    t.colour = m_colour;
    t.pointSize = m_pointSize;
    t.transparent = m_transparent;
    t.background = m_background;
}

void DisplayCanvas::release()
{
    bool same = m_pendingCount == m_drawnCount;
    for (int i = 0; same && i < m_pendingCount; ++i)
        same = m_pending[i] == m_drawn[i];
    if (!same) {
        for (int i = 0; i < m_pendingCount; ++i)
            m_drawn[i] = m_pending[i];
        for (int i = m_pendingCount; i < m_drawnCount; ++i)
            m_drawn[i].text = QString();
        m_drawnCount = m_pendingCount;
        m_textureCurrent = false;
    }
    m_pendingCount = 0;
    if (!m_gl || !m_program || m_drawnCount == 0 || (m_prepare && !m_prepare()))
        return;
    if (!m_textureCurrent)
        redrawTexts();
    if (m_area.isEmpty())
        return;

    QOpenGLExtraFunctions* gl = m_gl;
    gl->glViewport(0, 0, m_surfaceWidth, m_surfaceHeight);
    gl->glDisable(GL_DEPTH_TEST);
    gl->glDisable(GL_CULL_FACE);
    gl->glEnable(GL_BLEND);
    gl->glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    gl->glUseProgram(m_program);
    // Texture row 0 is the top of the text picture.
    const float x0 = 2.0f * m_area.left() / m_surfaceWidth - 1.0f;
    const float x1 = 2.0f * (m_area.left() + m_area.width()) / m_surfaceWidth - 1.0f;
    const float y0 = 1.0f - 2.0f * m_area.top() / m_surfaceHeight;
    const float y1 = 1.0f - 2.0f * (m_area.top() + m_area.height()) / m_surfaceHeight;
    gl->glUniform4f(m_rect, x0, y0, x1, y1);
    gl->glActiveTexture(GL_TEXTURE0);
    gl->glBindTexture(GL_TEXTURE_2D, m_texture);
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
    gl->glEnableVertexAttribArray(m_vertex);
    gl->glVertexAttribPointer(m_vertex, 2, GL_FLOAT, GL_FALSE, 0, Corners);
    gl->glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    gl->glDisableVertexAttribArray(m_vertex);
    gl->glBindTexture(GL_TEXTURE_2D, 0);
    gl->glUseProgram(0);
    gl->glDisable(GL_BLEND);
}

QRect DisplayCanvas::textBounds(const TextOutput& text)
{
    const QFontMetrics metrics(canvasFont(text.pointSize));
    return QRect(text.x, text.y, metrics.horizontalAdvance(text.text), metrics.height());
}

void DisplayCanvas::redrawTexts()
{
    m_textureCurrent = true;
    QRect area;
    QRect boxes[Capacity];
    for (int i = 0; i < m_drawnCount; ++i) {
        boxes[i] = textBounds(m_drawn[i]);
        area |= boxes[i];
    }
    m_area = area & QRect(0, 0, m_surfaceWidth, m_surfaceHeight);
    if (m_area.isEmpty())
        return;

    QImage picture(m_area.size(), QImage::Format_RGBA8888_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        p.translate(-m_area.topLeft());
        for (int i = 0; i < m_drawnCount; ++i) {
            const TextOutput& t = m_drawn[i];
            const QFont font = canvasFont(t.pointSize);
            if (!t.transparent)
                p.fillRect(boxes[i], QColor::fromRgb(t.background));
            p.setFont(font);
            p.setPen(QColor::fromRgb(t.colour));
            p.drawText(t.x, t.y + QFontMetrics(font).ascent(), t.text);
        }
    }
    m_gl->glBindTexture(GL_TEXTURE_2D, m_texture);
    m_gl->glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    m_gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, picture.width(), picture.height(), 0, GL_RGBA,
                       GL_UNSIGNED_BYTE, picture.constBits());
    m_gl->glBindTexture(GL_TEXTURE_2D, 0);
}
