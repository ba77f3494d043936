#pragma once

class QOpenGLExtraFunctions;

// What the display control draws. The control owns the OpenGL context, the
// off-screen target and the text canvas; a scene owns the objects it draws and
// the graphics objects that draw them. Every call but the destructor comes
// with the control's context current, except abandonGraphics().
class DisplayScene
{
public:
    virtual ~DisplayScene() = default;

    // False when the scene cannot be drawn on this device.
    virtual bool createGraphics(QOpenGLExtraFunctions* gl, bool openGLES) = 0;
    virtual void destroyGraphics() = 0;
    // Forgets the graphics objects of a context that can no longer be made
    // current, without calling into it.
    virtual void abandonGraphics() = 0;

    // A new, empty scene for a target of width x height pixels; hardware is
    // true on a graphics card the options let the scene use as one.
    virtual void begin(int width, int height, bool hardware) = 0;
    // The scene is built: everything drawing needs is made now rather than on
    // the first frame.
    virtual void prepare() = 0;
    // Clears the bound target and draws the scene into it.
    virtual void draw(bool depthBuffer) = 0;
    // Drops the scene made by begin().
    virtual void end() = 0;
};
