#pragma once

#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

// Geometry for the ".x" meshes, in the format's left-handed coordinates (y up,
// z away from the viewer). Every triangle is wound clockwise as seen from
// outside, which is how Direct3D tells a front face.

struct V3
{
    double x = 0, y = 0, z = 0;
};

inline V3 operator+(V3 a, V3 b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline V3 operator-(V3 a, V3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline V3 operator*(V3 a, double s)
{
    return {a.x * s, a.y * s, a.z * s};
}
inline double dot(V3 a, V3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline V3 cross(V3 a, V3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(V3 a)
{
    return std::sqrt(dot(a, a));
}
inline V3 normalized(V3 a)
{
    const double l = length(a);
    return l > 0 ? a * (1.0 / l) : V3{0, 1, 0};
}

struct Material
{
    std::string name;
    std::array<double, 4> diffuse;
    double power;
    std::array<double, 3> specular;
    std::array<double, 3> emissive;
};

// A mesh under construction: vertices with their normals, triangles with their
// material index.
class XMesh
{
public:
    int addMaterial(const Material& m);
    int addVertex(V3 position, V3 normal);
    // Adds the triangle wound so that it faces along outward.
    void addTriangle(int a, int b, int c, int material, V3 outward);
    // A flat quad a, b, c, d (in order round its edge) facing along outward.
    void addQuad(V3 a, V3 b, V3 c, V3 d, V3 outward, int material);

    // An axis-aligned box.
    void addBox(V3 lo, V3 hi, int material);
    // A box from a centre, half sizes along the given (unit, square) axes.
    void addOrientedBox(V3 centre, V3 axisX, V3 axisY, V3 axisZ, V3 half, int material);
    // A surface of revolution about the axis through base along up: the profile
    // gives (radius, height) pairs from one end to the other; smooth normals.
    // A closed profile (first point equals last) makes a torus-like surface.
    void addLathe(V3 base, V3 up, const std::vector<std::array<double, 2>>& profile, int segments,
                  int material, bool flatCaps = false);
    // A sphere.
    void addSphere(V3 centre, double radius, int segments, int rings, int material);
    // A tube of the given radius along a closed curve; material(i) picks the
    // material of the ith of segments pieces.
    void addClosedTube(const std::function<V3(double)>& curve, double radius, int segments,
                       int sides, const std::function<int(int)>& material);
    // A prism: a closed outline in the xy plane, star-shaped round centre,
    // extruded from z0 to z1 (z0 < z1) and capped at both ends with fans from
    // centre; the sides get smooth normals.
    void addExtrusion(const std::vector<std::array<double, 2>>& outline,
                      std::array<double, 2> centre, double z0, double z1, int capMaterial,
                      int sideMaterial);

    // Scales every position about the origin.
    void scale(double factor);

    bool write(const std::string& path, const std::string& meshName) const;

    int triangleCount() const { return int(m_triangles.size()); }

private:
    struct Triangle
    {
        int a, b, c, material;
    };
    std::vector<Material> m_materials;
    std::vector<V3> m_positions;
    std::vector<V3> m_normals;
    std::vector<Triangle> m_triangles;
};
