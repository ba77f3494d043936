#pragma once

#include "screensaver/matrix4.h"

#include <QOpenGLFunctions>

#include <vector>

class Frame;
class MeshBuilder;
class QOpenGLExtraFunctions;
class Viewport;
struct RenderDevice;

// Draws a retained-mode scene with OpenGL as the retained-mode device does:
// Gouraud shading, each vertex lit by the ambient lights and the directional
// lights (along their frame's z axis) on the material's face colour, plus its
// specular highlight and its own emissive colour; back faces culled, clockwise
// faces in front. Meshes are copied into graphics memory once and again only
// when they change, so drawing a prepared scene allocates nothing.
class SceneRenderer
{
public:
    static constexpr int MaxDirectionalLights = 8;

    // False when the shaders cannot be built on this device.
    bool create(QOpenGLExtraFunctions* gl, bool openGLES);
    void destroy();
    // Forgets the graphics objects of a context that can no longer be made
    // current, without calling into it.
    void abandon();

    // Readies everything below root for drawing: the shader for its lights and
    // its meshes in graphics memory.
    void prepare(const Frame& root);

    // Clears the bound target to black (and its depth when it has one), then
    // draws every visual below root as seen through viewport.
    void render(const Frame& root, const Viewport& viewport, const RenderDevice& device,
                bool depthBuffer);

private:
    struct GpuMesh
    {
        const MeshBuilder* source = nullptr;
        int revision = -1;
        GLuint vertexBuffer = 0;
        GLuint indexBuffer = 0;
    };
    struct Lights
    {
        float ambient[3] = {0, 0, 0};
        float direction[MaxDirectionalLights][3] = {};
        float colour[MaxDirectionalLights][3] = {};
        int count = 0;
    };
    // One shader per number of directional lights: a loop of fixed length
    // unrolls, where a loop bounded by a uniform costs software renderers dearly.
    struct Program
    {
        GLuint program = 0;
        int world = -1;
        int viewProjection = -1;
        int eye = -1;
        int ambient = -1;
        int lightDirection = -1;
        int lightColour = -1;
        int diffuse = -1;
        int specular = -1;
        int emissive = -1;
        int power = -1;
        int position = -1;
        int normal = -1;
    };

    Program* programFor(int lightCount);
    void gatherLights(const Frame& frame, const Matrix4& parentWorld, Lights& lights) const;
    void uploadVisuals(const Frame& frame);
    void drawVisuals(const Frame& frame, const Matrix4& parentWorld, bool transparentPass);
    GpuMesh& upload(const MeshBuilder& mesh);

    QOpenGLExtraFunctions* m_gl = nullptr;
    bool m_openGLES = false;
    Program m_programs[MaxDirectionalLights + 1];
    Program* m_current = nullptr;
    std::vector<GpuMesh> m_meshes;
    bool m_blending = false;
};
