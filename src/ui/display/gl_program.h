#pragma once

#include <QByteArray>
#include <qopengl.h>

class QOpenGLExtraFunctions;

// The display's shaders are built with the context's own functions rather than
// Qt's shader classes, whose library the program would otherwise load at start.

// The line every shader starts with: GLSL 1.20 on desktop OpenGL, GLSL ES 1.00
// with medium float precision on OpenGL ES.
QByteArray shaderHeader(bool openGLES);

// Compiles and links a vertex and a fragment shader into a program, which the
// caller deletes; 0 when either fails, with the driver's reason in the log.
GLuint linkShaderProgram(QOpenGLExtraFunctions* gl, const QByteArray& vertex,
                         const QByteArray& fragment);
