#include "screensaver/frame.h"

Frame::Frame(Frame* parent) : m_parent(parent)
{
    if (m_parent)
        m_parent->m_children.push_back(this);
}

void Frame::setPosition(const Vector3& position)
{
    m_position = position;
}

void Frame::setOrientation(const Vector3& direction, const Vector3& up)
{
    const Vector3 z = direction.normalized();
    const Vector3 x = cross(up, z).normalized();
    if (z.length() == 0.0f || x.length() == 0.0f)
        return;
    m_axes[0] = x;
    m_axes[1] = cross(z, x);
    m_axes[2] = z;
}

void Frame::setRotation(const Vector3& axis, float theta)
{
    m_rotationAxis = axis;
    m_rotationTheta = theta;
}

void Frame::move(float delta)
{
    if (m_rotationTheta != 0.0f && m_rotationAxis.length() > 0.0f) {
        const Matrix4 turn = Matrix4::rotation(m_rotationAxis, m_rotationTheta * delta);
        for (Vector3& axis : m_axes)
            axis = turn.transformVector(axis);
        // Many small turns accumulate rounding; keep the axes square and unit.
        orthonormalize();
    }
    for (Frame* child : m_children)
        child->move(delta);
}

void Frame::orthonormalize()
{
    const Vector3 z = m_axes[2].normalized();
    const Vector3 x = cross(m_axes[1], z).normalized();
    m_axes[0] = x;
    m_axes[1] = cross(z, x);
    m_axes[2] = z;
}

Matrix4 Frame::transform() const
{
    return Matrix4::fromBasis(m_axes[0], m_axes[1], m_axes[2], m_position);
}

Matrix4 Frame::worldTransform() const
{
    return m_parent ? transform() * m_parent->worldTransform() : transform();
}
