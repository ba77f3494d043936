#include "screensaver/scene_renderer.h"

#include "screensaver/frame.h"
#include "screensaver/light.h"
#include "screensaver/mesh_builder.h"
#include "screensaver/render_device.h"
#include "screensaver/viewport.h"
#include "ui/display/gl_program.h"

#include <QOpenGLExtraFunctions>

#include <algorithm>
#include <cstddef>

namespace {

const char* const VertexShader = R"(
attribute vec3 a_position;
attribute vec3 a_normal;
uniform mat4 u_world;
uniform mat4 u_viewProjection;
uniform vec3 u_eye;
uniform vec3 u_ambient;
uniform vec3 u_lightDirection[LIGHT_SLOTS];
uniform vec3 u_lightColour[LIGHT_SLOTS];
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
    for (int i = 0; i < LIGHTS; ++i) {
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

QByteArray withHeader(const char* source, bool openGLES, int lights)
{
    QByteArray out = shaderHeader(openGLES);
    out += "#define LIGHTS " + QByteArray::number(lights) + "\n";
    out += "#define LIGHT_SLOTS " + QByteArray::number(std::max(lights, 1)) + "\n";
    return out + source;
}

} // namespace

bool SceneRenderer::create(QOpenGLExtraFunctions* gl, bool openGLES)
{
    destroy();
    m_gl = gl;
    m_openGLES = openGLES;
    // The usual scene has one directional light; its shader is built now so that
    // a device that cannot build shaders fails at once.
    return programFor(1) != nullptr;
}

SceneRenderer::Program* SceneRenderer::programFor(int lightCount)
{
    Program& p = m_programs[lightCount];
    if (p.program)
        return &p;
    const GLuint program = linkShaderProgram(m_gl, withHeader(VertexShader, m_openGLES, lightCount),
                                             withHeader(FragmentShader, m_openGLES, lightCount));
    if (!program)
        return nullptr;
    p.program = program;
    p.world = m_gl->glGetUniformLocation(p.program, "u_world");
    p.viewProjection = m_gl->glGetUniformLocation(p.program, "u_viewProjection");
    p.eye = m_gl->glGetUniformLocation(p.program, "u_eye");
    p.ambient = m_gl->glGetUniformLocation(p.program, "u_ambient");
    p.lightDirection = m_gl->glGetUniformLocation(p.program, "u_lightDirection");
    p.lightColour = m_gl->glGetUniformLocation(p.program, "u_lightColour");
    p.diffuse = m_gl->glGetUniformLocation(p.program, "u_diffuse");
    p.specular = m_gl->glGetUniformLocation(p.program, "u_specular");
    p.emissive = m_gl->glGetUniformLocation(p.program, "u_emissive");
    p.power = m_gl->glGetUniformLocation(p.program, "u_power");
    p.position = m_gl->glGetAttribLocation(p.program, "a_position");
    p.normal = m_gl->glGetAttribLocation(p.program, "a_normal");
    return &p;
}

void SceneRenderer::abandon()
{
    m_gl = nullptr;
    destroy();
}

void SceneRenderer::destroy()
{
    if (m_gl) {
        for (GpuMesh& g : m_meshes) {
            m_gl->glDeleteBuffers(1, &g.vertexBuffer);
            m_gl->glDeleteBuffers(1, &g.indexBuffer);
        }
    }
    m_meshes.clear();
    for (Program& p : m_programs) {
        if (m_gl && p.program)
            m_gl->glDeleteProgram(p.program);
        p = Program();
    }
    m_current = nullptr;
    m_gl = nullptr;
}

void SceneRenderer::prepare(const Frame& root)
{
    if (!m_gl)
        return;
    Lights lights;
    gatherLights(root, Matrix4(), lights);
    programFor(lights.count);
    uploadVisuals(root);
}

void SceneRenderer::uploadVisuals(const Frame& frame)
{
    for (const MeshBuilder* mesh : frame.visuals()) {
        if (!mesh->isEmpty())
            upload(*mesh);
    }
    for (const Frame* child : frame.children())
        uploadVisuals(*child);
}

void SceneRenderer::render(const Frame& root, const Viewport& viewport, const RenderDevice& device,
                           bool depthBuffer)
{
    QOpenGLExtraFunctions* gl = m_gl;
    gl->glDisable(GL_SCISSOR_TEST);
    gl->glDisable(GL_BLEND);
    gl->glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    gl->glDepthMask(GL_TRUE);
    gl->glClear(GL_COLOR_BUFFER_BIT | (depthBuffer ? GL_DEPTH_BUFFER_BIT : 0));
    Lights lights;
    gatherLights(root, Matrix4(), lights);
    m_current = programFor(lights.count);
    if (!m_current)
        return;
    const Program& p = *m_current;
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

    gl->glUseProgram(p.program);
    const Matrix4 viewProjection = viewport.viewTransform() * viewport.projection();
    gl->glUniformMatrix4fv(p.viewProjection, 1, GL_FALSE, viewProjection.data());
    const Vector3 eye = viewport.camera() ? viewport.camera()->worldTransform().row(3) : Vector3{};
    gl->glUniform3f(p.eye, eye.x, eye.y, eye.z);
    gl->glUniform3fv(p.ambient, 1, lights.ambient);
    if (lights.count > 0) {
        gl->glUniform3fv(p.lightDirection, lights.count, &lights.direction[0][0]);
        gl->glUniform3fv(p.lightColour, lights.count, &lights.colour[0][0]);
    }
    gl->glEnableVertexAttribArray(p.position);
    gl->glEnableVertexAttribArray(p.normal);

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

    gl->glDisableVertexAttribArray(p.position);
    gl->glDisableVertexAttribArray(p.normal);
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
    gl->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    gl->glUseProgram(0);
    gl->glDisable(GL_CULL_FACE);
    gl->glDisable(GL_DEPTH_TEST);
}

void SceneRenderer::gatherLights(const Frame& frame, const Matrix4& parentWorld,
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

void SceneRenderer::drawVisuals(const Frame& frame, const Matrix4& parentWorld,
                                bool transparentPass)
{
    QOpenGLExtraFunctions* gl = m_gl;
    const Program& p = *m_current;
    const Matrix4 world = frame.transform() * parentWorld;
    if (!frame.visuals().empty())
        gl->glUniformMatrix4fv(p.world, 1, GL_FALSE, world.data());
    for (const MeshBuilder* mesh : frame.visuals()) {
        if (mesh->isEmpty())
            continue;
        const GpuMesh& g = upload(*mesh);
        gl->glBindBuffer(GL_ARRAY_BUFFER, g.vertexBuffer);
        gl->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, g.indexBuffer);
        gl->glVertexAttribPointer(
            p.position, 3, GL_FLOAT, GL_FALSE, sizeof(MeshBuilder::Vertex),
            reinterpret_cast<const void*>(offsetof(MeshBuilder::Vertex, position)));
        gl->glVertexAttribPointer(
            p.normal, 3, GL_FLOAT, GL_FALSE, sizeof(MeshBuilder::Vertex),
            reinterpret_cast<const void*>(offsetof(MeshBuilder::Vertex, normal)));
        for (const MeshBuilder::Group& group : mesh->groups()) {
            const MeshMaterial& m = group.material;
            const bool transparent = m_blending && m.isTransparent();
            if (transparent != transparentPass)
                continue;
            gl->glUniform4fv(p.diffuse, 1, m.diffuse);
            gl->glUniform3fv(p.specular, 1, m.specular);
            gl->glUniform3fv(p.emissive, 1, m.emissive);
            gl->glUniform1f(p.power, m.power);
            gl->glDrawElements(GL_TRIANGLES, group.indexCount, GL_UNSIGNED_INT,
                               reinterpret_cast<const void*>(std::size_t(group.firstIndex) *
                                                             sizeof(std::uint32_t)));
        }
    }
    for (const Frame* child : frame.children())
        drawVisuals(*child, world, transparentPass);
}

SceneRenderer::GpuMesh& SceneRenderer::upload(const MeshBuilder& mesh)
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
