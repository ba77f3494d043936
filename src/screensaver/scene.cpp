#include "screensaver/scene.h"

Scene::Scene() : m_root(std::make_unique<Frame>(nullptr)) {}

Frame* Scene::createFrame(Frame* parent)
{
    m_frames.push_back(std::make_unique<Frame>(parent ? parent : m_root.get()));
    return m_frames.back().get();
}

Light* Scene::createLight(Light::Type type, float red, float green, float blue)
{
    m_lights.push_back(std::make_unique<Light>(Light{type, red, green, blue}));
    return m_lights.back().get();
}

MeshBuilder* Scene::createMeshBuilder()
{
    m_meshes.push_back(std::make_unique<MeshBuilder>());
    return m_meshes.back().get();
}
