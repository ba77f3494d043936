#pragma once

#include "screensaver/render_device.h"
#include "screensaver/scene_renderer.h"
#include "ui/display/display_scene.h"

#include <memory>

class Frame;
class Scene;
class Viewport;

// The screen saver's retained-mode scene as the display control draws it: the
// scene with its camera and a viewport over the whole target, the device
// settings, and the renderer that draws them with OpenGL.
class SaverScene : public DisplayScene
{
public:
    SaverScene();
    ~SaverScene() override;

    // From begin() to end(); null outside.
    Scene* scene() const { return m_scene.get(); }
    Frame* root() const;
    Frame* camera() const { return m_camera; }
    Viewport* viewport() const { return m_viewport.get(); }
    RenderDevice* device() { return &m_device; }

    bool createGraphics(QOpenGLExtraFunctions* gl, bool openGLES) override;
    void destroyGraphics() override;
    void abandonGraphics() override;
    void begin(int width, int height, bool hardware) override;
    void prepare() override;
    void draw(bool depthBuffer) override;
    void end() override;

private:
    SceneRenderer m_renderer;
    RenderDevice m_device;
    std::unique_ptr<Scene> m_scene;
    Frame* m_camera = nullptr;
    std::unique_ptr<Viewport> m_viewport;
};
