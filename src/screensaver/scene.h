#pragma once

#include "screensaver/frame.h"
#include "screensaver/light.h"
#include "screensaver/mesh_builder.h"

#include <memory>
#include <vector>

// The retained-mode scene: it creates and owns frames, lights and mesh builders,
// all of which live until the scene is destroyed. Frames hang below the root.
class Scene
{
public:
    Scene();

    Frame* root() { return m_root.get(); }
    const Frame* root() const { return m_root.get(); }

    Frame* createFrame(Frame* parent);
    Light* createLight(Light::Type type, float red, float green, float blue);
    MeshBuilder* createMeshBuilder();

    // Advances the animation of every frame by delta units of time.
    void move(float delta) { m_root->move(delta); }

private:
    std::unique_ptr<Frame> m_root;
    std::vector<std::unique_ptr<Frame>> m_frames;
    std::vector<std::unique_ptr<Light>> m_lights;
    std::vector<std::unique_ptr<MeshBuilder>> m_meshes;
};
