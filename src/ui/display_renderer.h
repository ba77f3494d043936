#pragma once

#include "screensaver/matrix4.h"

#include <QOpenGLShaderProgram>

#include <memory>
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
// faces in front. Meshes are copied into graphics memory the first time they are
// drawn and again only when they change, so drawing allocates nothing.
class DisplayRenderer
{
public:
    static constexpr int MaxDirectionalLights = 8;

    // False when the shaders cannot be built on this device.
    bool create(QOpenGLExtraFunctions* gl, bool openGLES);
    void destroy();

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

    void gatherLights(const Frame& frame, const Matrix4& parentWorld, Lights& lights) const;
    void drawVisuals(const Frame& frame, const Matrix4& parentWorld, bool transparentPass);
    GpuMesh& upload(const MeshBuilder& mesh);

    QOpenGLExtraFunctions* m_gl = nullptr;
    std::unique_ptr<QOpenGLShaderProgram> m_program;
    std::vector<GpuMesh> m_meshes;
    bool m_blending = false;
    int m_world = -1;
    int m_viewProjection = -1;
    int m_eye = -1;
    int m_ambient = -1;
    int m_lightCount = -1;
    int m_lightDirection = -1;
    int m_lightColour = -1;
    int m_diffuse = -1;
    int m_specular = -1;
    int m_emissive = -1;
    int m_power = -1;
    int m_position = -1;
    int m_normal = -1;
};
