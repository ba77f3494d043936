#include "screensaver/viewport.h"

#include "screensaver/frame.h"

Viewport::Viewport(Frame* camera, int x, int y, int width, int height)
    : m_camera(camera), m_x(x), m_y(y), m_width(width), m_height(height)
{
}

void Viewport::forceUpdate(int, int, int, int)
{
    ++m_updateRequests;
}

Matrix4 Viewport::viewTransform() const
{
    return m_camera ? m_camera->worldTransform().rigidInverse() : Matrix4();
}

Matrix4 Viewport::projection() const
{
    const float aspect = m_width > 0 ? float(m_height) / float(m_width) : 1.0f;
    return Matrix4::perspective(m_front, m_back, m_field, m_field * aspect);
}

bool Viewport::project(const Vector3& point, float& px, float& py) const
{
    float clip[4];
    (viewTransform() * projection()).transformPoint4(point, clip);
    if (clip[3] < m_front)
        return false;
    px = (clip[0] / clip[3] + 1.0f) * 0.5f * float(m_width);
    py = (1.0f - clip[1] / clip[3]) * 0.5f * float(m_height);
    return true;
}
