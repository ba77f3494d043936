#include "screensaver/saver_scene.h"

#include "screensaver/scene.h"
#include "screensaver/viewport.h"

SaverScene::SaverScene() = default;

SaverScene::~SaverScene() = default;

Frame* SaverScene::root() const
{
    return m_scene ? m_scene->root() : nullptr;
}

bool SaverScene::createGraphics(QOpenGLExtraFunctions* gl, bool openGLES)
{
    return m_renderer.create(gl, openGLES);
}

void SaverScene::destroyGraphics()
{
    m_renderer.destroy();
}

void SaverScene::abandonGraphics()
{
    m_renderer.abandon();
}

void SaverScene::begin(int width, int height, bool hardware)
{
    m_device = RenderDevice();
    m_device.hardware = hardware;
    m_scene = std::make_unique<Scene>();
    m_camera = m_scene->createFrame(m_scene->root());
    m_viewport = std::make_unique<Viewport>(m_camera, 0, 0, width, height);
}

void SaverScene::prepare()
{
    m_renderer.prepare(*m_scene->root());
}

void SaverScene::draw(bool depthBuffer)
{
    m_renderer.render(*m_scene->root(), *m_viewport, m_device, depthBuffer);
}

void SaverScene::end()
{
    m_viewport.reset();
    m_camera = nullptr;
    m_scene.reset();
}
