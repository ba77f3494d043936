#include "ui/display_renderer.h"

#include "screensaver/frame.h"
#include "screensaver/light.h"
#include "screensaver/mesh_builder.h"
#include "screensaver/render_device.h"
#include "screensaver/viewport.h"

#include <QOpenGLExtraFunctions>

#include <cstddef>

namespace {

const char* const VertexShader = R"(
attribute vec3 a_position;
attribute vec3 a_normal;
uniform mat4 u_world;
uniform mat4 u_viewProjection;
uniform vec3 u_eye;
uniform vec3 u_ambient;
uniform int u_lightCount;
uniform vec3 u_lightDirection[8];
uniform vec3 u_lightColour[8];
uniform vec4 u_diffuse;
uniform vec3 u_specular;
uniform vec3 u_emissive;
uniform float u_power;
varying vec4 v_colour;
void main()
{
    vec4 world = u_world * vec4(a_position, 1.0);
    vec3 n = normalize((u_world * vec4(a_normal, 0.0)).xyz);
    vec3 toEye = normalize(u_eye - world.xyz);
    vec3 colour = u_emissive + u_ambient * u_diffuse.rgb;
    vec3 highlight = vec3(0.0);
    for (int i = 0; i < 8; ++i) {
        if (i >= u_lightCount)
            break;
        vec3 l = -u_lightDirection[i];
        float d = max(dot(n, l), 0.0);
        colour += u_lightColour[i] * u_diffuse.rgb * d;
        if (u_power > 0.0 && d > 0.0)
            highlight += u_lightColour[i] * u_specular
                * pow(max(dot(n, normalize(l + toEye)), 0.0), u_power);
    }
    v_colour = vec4(min(colour + highlight, vec3(1.0)), u_diffuse.a);
    gl_Position = u_viewProjection * world;
}
)";

const char* const FragmentShader = R"(
varying vec4 v_colour;
void main()
{
    gl_FragColor = v_colour;
}
)";

QByteArray withHeader(const char* source, bool openGLES)
{
    QByteArray out = openGLES ? QByteArrayLiteral("#version 100\nprecision mediump float;\n")
                              : QByteArrayLiteral("#version 120\n");
    return out + source;
}

} // namespace

bool DisplayRenderer::create(QOpenGLExtraFunctions* gl, bool openGLES)
{
    destroy();
    m_gl = gl;
    m_program = std::make_unique<QOpenGLShaderProgram>();
    if (!m_program->addShaderFromSourceCode(QOpenGLShader::Vertex,
                                            withHeader(VertexShader, openGLES)) ||
        !m_program->addShaderFromSourceCode(QOpenGLShader::Fragment,
                                            withHeader(FragmentShader, openGLES)) ||
        !m_program->link()) {
        m_program.reset();
        return false;
    }
    m_world = m_program->uniformLocation("u_world");
    m_viewProjection = m_program->uniformLocation("u_viewProjection");
    m_eye = m_program->uniformLocation("u_eye");
    m_ambient = m_program->uniformLocation("u_ambient");
    m_lightCount = m_program->uniformLocation("u_lightCount");
    m_lightDirection = m_program->uniformLocation("u_lightDirection");
    m_lightColour = m_program->uniformLocation("u_lightColour");
    m_diffuse = m_program->uniformLocation("u_diffuse");
    m_specular = m_program->uniformLocation("u_specular");
    m_emissive = m_program->uniformLocation("u_emissive");
    m_power = m_program->uniformLocation("u_power");
    m_position = m_program->attributeLocation("a_position");
    m_normal = m_program->attributeLocation("a_normal");
    return true;
}

void DisplayRenderer::destroy()
{
    if (m_gl) {
        for (GpuMesh& g : m_meshes) {
            m_gl->glDeleteBuffers(1, &g.vertexBuffer);
            m_gl->glDeleteBuffers(1, &g.indexBuffer);
        }
    }
    m_meshes.clear();
    m_program.reset();
    m_gl = nullptr;
}

void DisplayRenderer::render(const Frame& root, const Viewport& viewport,
                             const RenderDevice& device, bool depthBuffer)
{
    QOpenGLExtraFunctions* gl = m_gl;
    gl->glDisable(GL_SCISSOR_TEST);
    gl->glDisable(GL_BLEND);
    gl->glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    gl->glDepthMask(GL_TRUE);
    gl->glClear(GL_COLOR_BUFFER_BIT | (depthBuffer ? GL_DEPTH_BUFFER_BIT : 0));
    if (!m_program)
        return;
    gl->glViewport(viewport.x(), viewport.y(), viewport.width(), viewport.height());
    if (depthBuffer) {
        gl->glEnable(GL_DEPTH_TEST);
        gl->glDepthFunc(GL_LEQUAL);
    } else {
        gl->glDisable(GL_DEPTH_TEST);
    }
    gl->glEnable(GL_CULL_FACE);
    gl->glCullFace(GL_BACK);
    gl->glFrontFace(GL_CW);

    Lights lights;
    gatherLights(root, Matrix4(), lights);

    m_program->bind();
    const Matrix4 viewProjection = viewport.viewTransform() * viewport.projection();
    gl->glUniformMatrix4fv(m_viewProjection, 1, GL_FALSE, viewProjection.data());
    const Vector3 eye =
        viewport.camera() ? viewport.camera()->worldTransform().row(3) : Vector3{};
    gl->glUniform3f(m_eye, eye.x, eye.y, eye.z);
    gl->glUniform3fv(m_ambient, 1, lights.ambient);
    gl->glUniform1i(m_lightCount, lights.count);
    if (lights.count > 0) {
        gl->glUniform3fv(m_lightDirection, lights.count, &lights.direction[0][0]);
        gl->glUniform3fv(m_lightColour, lights.count, &lights.colour[0][0]);
    }
    gl->glEnableVertexAttribArray(m_position);
    gl->glEnableVertexAttribArray(m_normal);

    m_blending = device.renderMode & RenderDevice::BlendedTransparency;
    drawVisuals(root, Matrix4(), false);
    if (m_blending) {
        // Transparent faces over the finished opaque picture, without hiding
        // each other in the depth buffer.
        gl->glEnable(GL_BLEND);
        gl->glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        gl->glDepthMask(GL_FALSE);
        drawVisuals(root, Matrix4(), true);
        gl->glDepthMask(GL_TRUE);
        gl->glDisable(GL_BLEND);
    }

    gl->glDisableVertexAttribArray(m_position);
    gl->glDisableVertexAttribArray(m_normal);
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
    gl->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    m_program->release();
    gl->glDisable(GL_CULL_FACE);
    gl->glDisable(GL_DEPTH_TEST);
}

void DisplayRenderer::gatherLights(const Frame& frame, const Matrix4& parentWorld,
                                   Lights& lights) const
{
    const Matrix4 world = frame.transform() * parentWorld;
    for (const Light* light : frame.lights()) {
        if (light->type == Light::Type::Ambient) {
            lights.ambient[0] += light->red;
            lights.ambient[1] += light->green;
            lights.ambient[2] += light->blue;
        } else if (lights.count < MaxDirectionalLights) {
            const Vector3 z = world.row(2).normalized();
            float* d = lights.direction[lights.count];
            float* c = lights.colour[lights.count];
            d[0] = z.x;
            d[1] = z.y;
            d[2] = z.z;
            c[0] = light->red;
            c[1] = light->green;
            c[2] = light->blue;
            ++lights.count;
        }
    }
    for (const Frame* child : frame.children())
        gatherLights(*child, world, lights);
}

void DisplayRenderer::drawVisuals(const Frame& frame, const Matrix4& parentWorld,
                                  bool transparentPass)
{
    QOpenGLExtraFunctions* gl = m_gl;
    const Matrix4 world = frame.transform() * parentWorld;
    if (!frame.visuals().empty())
        gl->glUniformMatrix4fv(m_world, 1, GL_FALSE, world.data());
    for (const MeshBuilder* mesh : frame.visuals()) {
        if (mesh->isEmpty())
            continue;
        const GpuMesh& g = upload(*mesh);
        gl->glBindBuffer(GL_ARRAY_BUFFER, g.vertexBuffer);
        gl->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, g.indexBuffer);
        gl->glVertexAttribPointer(m_position, 3, GL_FLOAT, GL_FALSE, sizeof(MeshBuilder::Vertex),
                                  reinterpret_cast<const void*>(
                                      offsetof(MeshBuilder::Vertex, position)));
        gl->glVertexAttribPointer(m_normal, 3, GL_FLOAT, GL_FALSE, sizeof(MeshBuilder::Vertex),
                                  reinterpret_cast<const void*>(
                                      offsetof(MeshBuilder::Vertex, normal)));
        for (const MeshBuilder::Group& group : mesh->groups()) {
            const MeshMaterial& m = group.material;
            const bool transparent = m_blending && m.isTransparent();
            if (transparent != transparentPass)
                continue;
            gl->glUniform4fv(m_diffuse, 1, m.diffuse);
            gl->glUniform3fv(m_specular, 1, m.specular);
            gl->glUniform3fv(m_emissive, 1, m.emissive);
            gl->glUniform1f(m_power, m.power);
            gl->glDrawElements(GL_TRIANGLES, group.indexCount, GL_UNSIGNED_INT,
                               reinterpret_cast<const void*>(
                                   std::size_t(group.firstIndex) * sizeof(std::uint32_t)));
        }
    }
    for (const Frame* child : frame.children())
        drawVisuals(*child, world, transparentPass);
}

DisplayRenderer::GpuMesh& DisplayRenderer::upload(const MeshBuilder& mesh)
{
    GpuMesh* g = nullptr;
    for (GpuMesh& candidate : m_meshes) {
        if (candidate.source == &mesh) {
            g = &candidate;
            break;
        }
    }
    if (!g) {
        m_meshes.push_back({&mesh, -1, 0, 0});
        g = &m_meshes.back();
        m_gl->glGenBuffers(1, &g->vertexBuffer);
        m_gl->glGenBuffers(1, &g->indexBuffer);
    }
    if (g->revision != mesh.revision()) {
        m_gl->glBindBuffer(GL_ARRAY_BUFFER, g->vertexBuffer);
        m_gl->glBufferData(GL_ARRAY_BUFFER,
                           GLsizeiptr(mesh.vertices().size() * sizeof(MeshBuilder::Vertex)),
                           mesh.vertices().data(), GL_STATIC_DRAW);
        m_gl->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, g->indexBuffer);
        m_gl->glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                           GLsizeiptr(mesh.indices().size() * sizeof(std::uint32_t)),
                           mesh.indices().data(), GL_STATIC_DRAW);
        g->revision = mesh.revision();
    }
    return *g;
}
