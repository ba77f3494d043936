#pragma once

#include "ui/display/display_canvas.h"
#include "ui/display/display_config.h"
#include "ui/display/display_scene.h"
#include "ui/display/display_target.h"

#include <QImage>
#include <QWidget>

#include <memory>

class DisplayWindow;
class QOpenGLContext;

// The display control: it takes over the screen with a full-screen window and
// draws a scene through OpenGL. The scene is drawn into an
// off-screen target of the configured size and depth and, when flipped, scaled
// onto the window keeping its aspect ratio. The desktop's own mode is never
// changed.
class DisplayLayer : public QWidget
{
    Q_OBJECT
public:
    explicit DisplayLayer(QWidget* parent = nullptr);
    ~DisplayLayer() override;

    DisplayConfig& config() { return m_config; }
    const DisplayConfig& config() const { return m_config; }

    // What the display draws, from the next initialisation on; an initialised
    // display is finalised first. Without a scene nothing is drawn.
    void setScene(std::unique_ptr<DisplayScene> scene);

    // Finalises any earlier initialisation, takes over the screen (or, without
    // doFullScreen, sizes the window to the mode), creates the device, the
    // target and begins the scene, then emits
    // initialized() and surfaceInitialized(). Throws CorvaltoError "3D device not
    // found" when there is no usable OpenGL device and "Display mode cannot be
    // changed (WxH Bbit)" when no target of that mode can be made.
    void initialize();
    // Releases the scene, the target and the device and emits finalized(), when
    // initialised.
    void finalize();
    bool isInitialized() const { return m_initialized; }
    // Initialised and its window on screen.
    bool canDraw() const;

    // The mode achieved.
    int surfaceWidth() const { return m_target.width(); }
    int surfaceHeight() const { return m_target.height(); }
    int bitCount() const { return m_target.bitCount(); }
    // The options in force: doHardware is dropped on a software device.
    DisplayConfig::Options nowOptions() const { return m_nowOptions; }
    QString rendererName() const { return m_rendererName; }

    // Clears the viewport and draws the scene into the back buffer.
    void render();
    // Text over the back buffer; release it before flipping.
    DisplayCanvas& canvas() { return m_canvas; }
    // Shows the back buffer on the screen.
    void flip();

    // The back buffer as last drawn, top row first.
    QImage grabSurface();
    DisplayWindow* surfaceWindow() const { return m_window; }

    // OpenGL renderers that draw on the processor rather than a graphics card.
    static bool isSoftwareRenderer(const QString& rendererName);

signals:
    void initialized();
    void surfaceInitialized();
    void finalized();

private:
    void takeOverScreen();
    void releaseAll();
    bool makeCurrent();
    [[noreturn]] void fail(const QString& message);

    DisplayConfig m_config;
    DisplayConfig::Options m_nowOptions;
    DisplayWindow* m_window;
    QWidget* m_container;
    std::unique_ptr<QOpenGLContext> m_context;
    DisplayTarget m_target;
    DisplayCanvas m_canvas;
    std::unique_ptr<DisplayScene> m_scene;
    QString m_rendererName;
    bool m_initialized = false;
};
