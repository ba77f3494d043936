#include "screensaver/matrix4.h"

#include <cmath>

Matrix4 Matrix4::fromBasis(const Vector3& x, const Vector3& y, const Vector3& z,
                           const Vector3& origin)
{
    Matrix4 m;
    m.setRow(0, x);
    m.setRow(1, y);
    m.setRow(2, z);
    m.setRow(3, origin);
    return m;
}

Matrix4 Matrix4::rotation(const Vector3& axis, float angle)
{
    const Vector3 a = axis.normalized();
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float t = 1.0f - c;
    Matrix4 m;
    m.m_m[0][0] = t * a.x * a.x + c;
    m.m_m[0][1] = t * a.x * a.y + s * a.z;
    m.m_m[0][2] = t * a.x * a.z - s * a.y;
    m.m_m[1][0] = t * a.x * a.y - s * a.z;
    m.m_m[1][1] = t * a.y * a.y + c;
    m.m_m[1][2] = t * a.y * a.z + s * a.x;
    m.m_m[2][0] = t * a.x * a.z + s * a.y;
    m.m_m[2][1] = t * a.y * a.z - s * a.x;
    m.m_m[2][2] = t * a.z * a.z + c;
    return m;
}

Matrix4 Matrix4::perspective(float front, float back, float halfWidth, float halfHeight)
{
    Matrix4 m;
    m.m_m[0][0] = front / halfWidth;
    m.m_m[1][1] = front / halfHeight;
    // z = front maps to -1 and z = back to +1 after the divide by w = z.
    m.m_m[2][2] = (back + front) / (back - front);
    m.m_m[2][3] = 1.0f;
    m.m_m[3][2] = -2.0f * back * front / (back - front);
    m.m_m[3][3] = 0.0f;
    return m;
}

void Matrix4::setRow(int r, const Vector3& v)
{
    m_m[r][0] = v.x;
    m_m[r][1] = v.y;
    m_m[r][2] = v.z;
}

Matrix4 Matrix4::operator*(const Matrix4& o) const
{
    Matrix4 r;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
                sum += m_m[i][k] * o.m_m[k][j];
            r.m_m[i][j] = sum;
        }
    }
    return r;
}

Vector3 Matrix4::transformPoint(const Vector3& p) const
{
    return {p.x * m_m[0][0] + p.y * m_m[1][0] + p.z * m_m[2][0] + m_m[3][0],
            p.x * m_m[0][1] + p.y * m_m[1][1] + p.z * m_m[2][1] + m_m[3][1],
            p.x * m_m[0][2] + p.y * m_m[1][2] + p.z * m_m[2][2] + m_m[3][2]};
}

Vector3 Matrix4::transformVector(const Vector3& v) const
{
    return {v.x * m_m[0][0] + v.y * m_m[1][0] + v.z * m_m[2][0],
            v.x * m_m[0][1] + v.y * m_m[1][1] + v.z * m_m[2][1],
            v.x * m_m[0][2] + v.y * m_m[1][2] + v.z * m_m[2][2]};
}

void Matrix4::transformPoint4(const Vector3& p, float out[4]) const
{
    for (int j = 0; j < 4; ++j)
        out[j] = p.x * m_m[0][j] + p.y * m_m[1][j] + p.z * m_m[2][j] + m_m[3][j];
}

Matrix4 Matrix4::rigidInverse() const
{
    Matrix4 r;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
            r.m_m[i][j] = m_m[j][i];
    }
    const Vector3 t = row(3);
    r.setRow(3, -Vector3{dot(t, row(0)), dot(t, row(1)), dot(t, row(2))});
    return r;
}
