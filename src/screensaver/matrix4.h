#pragma once

#include "screensaver/vector3.h"

// A 4x4 transform in the row-vector convention of the retained-mode scene:
// a point p becomes p * M, and A * B applies A first. Stored row by row, which is
// also the column-major layout OpenGL expects for the transposed (column-vector)
// form, so data() can be handed to glUniformMatrix4fv as it is.
class Matrix4
{
public:
    // The identity.
    constexpr Matrix4() = default;

    // Rows are the images of the x, y and z axes, then the origin.
    static Matrix4 fromBasis(const Vector3& x, const Vector3& y, const Vector3& z,
                             const Vector3& origin);
    // Rotation by angle radians about axis with Direct3D's sign: seen from the
    // tip of the axis, positive angles turn clockwise.
    static Matrix4 rotation(const Vector3& axis, float angle);
    // Perspective projection onto OpenGL clip space for a viewer at the origin
    // looking along +z: the window of the front plane spans +-halfWidth and
    // +-halfHeight at distance front; depth runs from front to back.
    static Matrix4 perspective(float front, float back, float halfWidth, float halfHeight);

    float at(int row, int column) const { return m_m[row][column]; }
    void set(int row, int column, float value) { m_m[row][column] = value; }

    Vector3 row(int r) const { return {m_m[r][0], m_m[r][1], m_m[r][2]}; }
    void setRow(int r, const Vector3& v);

    Matrix4 operator*(const Matrix4& o) const;
    Vector3 transformPoint(const Vector3& p) const;
    Vector3 transformVector(const Vector3& v) const;
    // x, y, z and w of p * M, for projections.
    void transformPoint4(const Vector3& p, float out[4]) const;

    // Inverse of a transform made of a rotation and a translation only.
    Matrix4 rigidInverse() const;

    const float* data() const { return &m_m[0][0]; }

private:
    float m_m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
};
