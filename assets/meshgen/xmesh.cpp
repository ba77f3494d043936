#include "xmesh.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>

int XMesh::addMaterial(const Material& m)
{
    m_materials.push_back(m);
    return int(m_materials.size()) - 1;
}

int XMesh::addVertex(V3 position, V3 normal)
{
    m_positions.push_back(position);
    m_normals.push_back(normalized(normal));
    return int(m_positions.size()) - 1;
}

void XMesh::addTriangle(int a, int b, int c, int material, V3 outward)
{
    const V3 n = cross(m_positions[b] - m_positions[a], m_positions[c] - m_positions[a]);
    // Collapsed triangles (at the poles of a lathe) add nothing.
    if (length(n) < 1e-12)
        return;
    if (dot(n, outward) < 0)
        std::swap(b, c);
    m_triangles.push_back({a, b, c, material});
}

void XMesh::addQuad(V3 a, V3 b, V3 c, V3 d, V3 outward, int material)
{
    const int ia = addVertex(a, outward);
    const int ib = addVertex(b, outward);
    const int ic = addVertex(c, outward);
    const int id = addVertex(d, outward);
    addTriangle(ia, ib, ic, material, outward);
    addTriangle(ia, ic, id, material, outward);
}

void XMesh::addBox(V3 lo, V3 hi, int material)
{
    const V3 c = (lo + hi) * 0.5;
    const V3 h = (hi - lo) * 0.5;
    addOrientedBox(c, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, h, material);
}

void XMesh::addOrientedBox(V3 centre, V3 ax, V3 ay, V3 az, V3 half, int material)
{
    const V3 axes[3] = {ax * half.x, ay * half.y, az * half.z};
    for (int k = 0; k < 3; ++k) {
        const V3 n = axes[k];
        const V3 u = axes[(k + 1) % 3];
        const V3 v = axes[(k + 2) % 3];
        for (int sign : {-1, 1}) {
            const V3 f = centre + n * sign;
            addQuad(f - u - v, f + u - v, f + u + v, f - u + v, normalized(n * sign), material);
        }
    }
}

void XMesh::addLathe(V3 base, V3 up, const std::vector<std::array<double, 2>>& profile,
                     int segments, int material, bool flatCaps)
{
    const V3 u = normalized(up);
    const V3 helper = std::abs(u.x) < 0.9 ? V3{1, 0, 0} : V3{0, 0, 1};
    const V3 a = normalized(cross(u, helper));
    const V3 b = cross(u, a);
    const int n = int(profile.size());
    const bool closed = n > 2 && profile.front() == profile.back();

    auto radial = [&](double phi) { return a * std::cos(phi) + b * std::sin(phi); };
    // Profile normals from the neighbours, in (radius, height) terms.
    std::vector<std::array<double, 2>> pn(n);
    for (int i = 0; i < n; ++i) {
        int prev = i - 1;
        int next = i + 1;
        if (closed) {
            if (prev < 0)
                prev = n - 2;
            if (next >= n)
                next = 1;
        } else {
            prev = std::max(prev, 0);
            next = std::min(next, n - 1);
        }
        const double dr = profile[next][0] - profile[prev][0];
        const double dh = profile[next][1] - profile[prev][1];
        const double l = std::hypot(dr, dh);
        pn[i] = {dh / l, -dr / l};
    }

    std::vector<int> ring(size_t(n) * size_t(segments + 1));
    for (int s = 0; s <= segments; ++s) {
        const double phi = 2 * std::numbers::pi * s / segments;
        const V3 r = radial(phi);
        for (int i = 0; i < n; ++i) {
            const V3 p = base + u * profile[i][1] + r * profile[i][0];
            const V3 nn = r * pn[i][0] + u * pn[i][1];
            ring[size_t(s) * n + i] = addVertex(p, nn);
        }
    }
    for (int s = 0; s < segments; ++s) {
        for (int i = 0; i + 1 < n; ++i) {
            const int v00 = ring[size_t(s) * n + i];
            const int v01 = ring[size_t(s) * n + i + 1];
            const int v10 = ring[size_t(s + 1) * n + i];
            const int v11 = ring[size_t(s + 1) * n + i + 1];
            const V3 out = m_normals[v00] + m_normals[v01] + m_normals[v10] + m_normals[v11];
            addTriangle(v00, v10, v11, material, out);
            addTriangle(v00, v11, v01, material, out);
        }
    }
    if (flatCaps && !closed) {
        for (int end : {0, n - 1}) {
            const double r = profile[end][0];
            if (r <= 0)
                continue;
            // The cap faces away from the rest of the profile.
            const double other = profile[end == 0 ? 1 : n - 2][1];
            const V3 out = u * (profile[end][1] >= other ? 1.0 : -1.0);
            const int centre = addVertex(base + u * profile[end][1], out);
            std::vector<int> rim;
            for (int s = 0; s <= segments; ++s)
                rim.push_back(addVertex(base + u * profile[end][1] +
                                            radial(2 * std::numbers::pi * s / segments) * r,
                                        out));
            for (int s = 0; s < segments; ++s)
                addTriangle(centre, rim[s], rim[s + 1], material, out);
        }
    }
}

void XMesh::addSphere(V3 centre, double radius, int segments, int rings, int material)
{
    std::vector<std::array<double, 2>> profile;
    for (int i = 0; i <= rings; ++i) {
        const double a = std::numbers::pi * i / rings;
        profile.push_back({radius * std::sin(a), -radius * std::cos(a)});
    }
    addLathe(centre, {0, 1, 0}, profile, segments, material);
}

void XMesh::addClosedTube(const std::function<V3(double)>& curve, double radius, int segments,
                          int sides, const std::function<int(int)>& material)
{
    const double period = 2 * std::numbers::pi;
    const double h = period / segments * 0.25;
    std::vector<int> rings(size_t(segments) * sides);
    for (int i = 0; i < segments; ++i) {
        const double t = period * i / segments;
        const V3 p = curve(t);
        const V3 d1 = (curve(t + h) - curve(t - h)) * (1.0 / (2 * h));
        const V3 d2 = (curve(t + h) - p * 2.0 + curve(t - h)) * (1.0 / (h * h));
        // The Frenet frame repeats with the curve, so the tube closes without a
        // twist at the seam.
        const V3 T = normalized(d1);
        const V3 N = normalized(cross(cross(T, d2), T));
        const V3 B = cross(T, N);
        for (int k = 0; k < sides; ++k) {
            const double phi = 2 * std::numbers::pi * k / sides;
            const V3 n = N * std::cos(phi) + B * std::sin(phi);
            rings[size_t(i) * sides + k] = addVertex(p + n * radius, n);
        }
    }
    for (int i = 0; i < segments; ++i) {
        const int j = (i + 1) % segments;
        const int m = material(i);
        for (int k = 0; k < sides; ++k) {
            const int l = (k + 1) % sides;
            const int v00 = rings[size_t(i) * sides + k];
            const int v01 = rings[size_t(i) * sides + l];
            const int v10 = rings[size_t(j) * sides + k];
            const int v11 = rings[size_t(j) * sides + l];
            const V3 out = m_normals[v00] + m_normals[v01] + m_normals[v10] + m_normals[v11];
            addTriangle(v00, v10, v11, m, out);
            addTriangle(v00, v11, v01, m, out);
        }
    }
}

void XMesh::addExtrusion(const std::vector<std::array<double, 2>>& outline,
                         std::array<double, 2> centre, double z0, double z1, int capMaterial,
                         int sideMaterial)
{
    const int n = int(outline.size());
    for (double z : {z0, z1}) {
        const V3 out{0, 0, z == z0 ? -1.0 : 1.0};
        const int c = addVertex({centre[0], centre[1], z}, out);
        std::vector<int> rim;
        for (const auto& p : outline)
            rim.push_back(addVertex({p[0], p[1], z}, out));
        for (int i = 0; i < n; ++i)
            addTriangle(c, rim[i], rim[(i + 1) % n], capMaterial, out);
    }
    // Outward side normals: perpendicular to the outline, pointing away from centre.
    std::vector<V3> normals(n);
    for (int i = 0; i < n; ++i) {
        const auto& prev = outline[(i + n - 1) % n];
        const auto& next = outline[(i + 1) % n];
        V3 nn{next[1] - prev[1], -(next[0] - prev[0]), 0};
        const V3 fromCentre{outline[i][0] - centre[0], outline[i][1] - centre[1], 0};
        if (dot(nn, fromCentre) < 0)
            nn = nn * -1.0;
        normals[i] = normalized(nn);
    }
    std::vector<int> front(n), back(n);
    for (int i = 0; i < n; ++i) {
        front[i] = addVertex({outline[i][0], outline[i][1], z0}, normals[i]);
        back[i] = addVertex({outline[i][0], outline[i][1], z1}, normals[i]);
    }
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        const V3 out = normals[i] + normals[j];
        addTriangle(front[i], front[j], back[j], sideMaterial, out);
        addTriangle(front[i], back[j], back[i], sideMaterial, out);
    }
}

void XMesh::scale(double factor)
{
    for (V3& p : m_positions)
        p = p * factor;
}

namespace {

std::string num(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6f", std::abs(v) < 5e-7 ? 0.0 : v);
    return buf;
}

} // namespace

bool XMesh::write(const std::string& path, const std::string& meshName) const
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const char* eol = "\r\n";
    out << "xof 0303txt 0032" << eol << eol;
    for (const Material& m : m_materials) {
        out << "Material " << m.name << " {" << eol;
        out << " " << num(m.diffuse[0]) << ";" << num(m.diffuse[1]) << ";" << num(m.diffuse[2])
            << ";" << num(m.diffuse[3]) << ";;" << eol;
        out << " " << num(m.power) << ";" << eol;
        out << " " << num(m.specular[0]) << ";" << num(m.specular[1]) << ";" << num(m.specular[2])
            << ";;" << eol;
        out << " " << num(m.emissive[0]) << ";" << num(m.emissive[1]) << ";" << num(m.emissive[2])
            << ";;" << eol;
        out << "}" << eol << eol;
    }
    const size_t nv = m_positions.size();
    const size_t nf = m_triangles.size();
    out << "Frame " << meshName << "Frame {" << eol;
    out << " FrameTransformMatrix {" << eol
        << "  1.000000,0.000000,0.000000,0.000000,0.000000,1.000000,0.000000,0.000000,"
           "0.000000,0.000000,1.000000,0.000000,0.000000,0.000000,0.000000,1.000000;;"
        << eol << " }" << eol;
    out << " Mesh " << meshName << " {" << eol;
    out << "  " << nv << ";" << eol;
    for (size_t i = 0; i < nv; ++i) {
        const V3& p = m_positions[i];
        out << "  " << num(p.x) << ";" << num(p.y) << ";" << num(p.z) << ";"
            << (i + 1 < nv ? "," : ";") << eol;
    }
    out << "  " << nf << ";" << eol;
    for (size_t i = 0; i < nf; ++i) {
        const Triangle& t = m_triangles[i];
        out << "  3;" << t.a << "," << t.b << "," << t.c << ";" << (i + 1 < nf ? "," : ";") << eol;
    }
    out << "  MeshNormals {" << eol;
    out << "   " << nv << ";" << eol;
    for (size_t i = 0; i < nv; ++i) {
        const V3& n = m_normals[i];
        out << "   " << num(n.x) << ";" << num(n.y) << ";" << num(n.z) << ";"
            << (i + 1 < nv ? "," : ";") << eol;
    }
    out << "   " << nf << ";" << eol;
    for (size_t i = 0; i < nf; ++i) {
        const Triangle& t = m_triangles[i];
        out << "   3;" << t.a << "," << t.b << "," << t.c << ";" << (i + 1 < nf ? "," : ";") << eol;
    }
    out << "  }" << eol;
    out << "  MeshMaterialList {" << eol;
    out << "   " << m_materials.size() << ";" << eol;
    out << "   " << nf << ";" << eol;
    for (size_t i = 0; i < nf; ++i)
        out << "   " << m_triangles[i].material << (i + 1 < nf ? "," : ";;") << eol;
    for (const Material& m : m_materials)
        out << "   {" << m.name << "}" << eol;
    out << "  }" << eol;
    out << " }" << eol;
    out << "}" << eol;
    out.close();
    // Readable by all whatever the umask, as every file the build lays out.
    using std::filesystem::perms;
    std::error_code error;
    std::filesystem::permissions(
        path, perms::owner_read | perms::owner_write | perms::group_read | perms::others_read,
        error);
    return out && !error;
}
