#pragma once

#include <cmath>

// A point or direction in scene coordinates: left-handed, y up, z pointing away
// from the viewer.
struct Vector3
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr Vector3() = default;
    constexpr Vector3(float ax, float ay, float az) : x(ax), y(ay), z(az) {}

    constexpr Vector3 operator+(const Vector3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr Vector3 operator-(const Vector3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr Vector3 operator-() const { return {-x, -y, -z}; }
    constexpr Vector3 operator*(float s) const { return {x * s, y * s, z * s}; }
    constexpr bool operator==(const Vector3&) const = default;

    float length() const { return std::sqrt(x * x + y * y + z * z); }
    // The zero vector stays zero.
    Vector3 normalized() const
    {
        const float l = length();
        return l > 0.0f ? Vector3{x / l, y / l, z / l} : Vector3{};
    }
};

constexpr float dot(const Vector3& a, const Vector3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The component formula is the same in either handedness: cross(y, z) = x.
constexpr Vector3 cross(const Vector3& a, const Vector3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
