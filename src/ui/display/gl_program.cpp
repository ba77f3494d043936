#include "ui/display/gl_program.h"

#include <QOpenGLExtraFunctions>

namespace {

GLuint compileShader(QOpenGLExtraFunctions* gl, GLenum type, const QByteArray& source)
{
    const GLuint shader = gl->glCreateShader(type);
    const char* text = source.constData();
    gl->glShaderSource(shader, 1, &text, nullptr);
    gl->glCompileShader(shader);
    GLint ok = GL_FALSE;
    gl->glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok)
        return shader;
    char log[1024] = {};
    gl->glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    qWarning("Corvalto: a shader does not compile: %s", log);
    gl->glDeleteShader(shader);
    return 0;
}

} // namespace

QByteArray shaderHeader(bool openGLES)
{
    return openGLES ? QByteArrayLiteral("#version 100\nprecision mediump float;\n")
                    : QByteArrayLiteral("#version 120\n");
}

GLuint linkShaderProgram(QOpenGLExtraFunctions* gl, const QByteArray& vertex,
                         const QByteArray& fragment)
{
    const GLuint v = compileShader(gl, GL_VERTEX_SHADER, vertex);
    const GLuint f = v ? compileShader(gl, GL_FRAGMENT_SHADER, fragment) : 0;
    GLuint program = 0;
    if (f) {
        program = gl->glCreateProgram();
        gl->glAttachShader(program, v);
        gl->glAttachShader(program, f);
        gl->glLinkProgram(program);
        GLint ok = GL_FALSE;
        gl->glGetProgramiv(program, GL_LINK_STATUS, &ok);
        if (!ok) {
            char log[1024] = {};
            gl->glGetProgramInfoLog(program, sizeof log, nullptr, log);
            qWarning("Corvalto: the shaders do not link: %s", log);
            gl->glDeleteProgram(program);
            program = 0;
        }
    }
    // A linked program keeps what it needs of its shaders.
    for (GLuint shader : {v, f}) {
        if (shader)
            gl->glDeleteShader(shader);
    }
    return program;
}
