#include "designs.h"

#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

Material plain(const std::string& name, double r, double g, double b, double power = 0,
               double specular = 0)
{
    return {name, {r, g, b, 1.0}, power, {specular, specular, specular}, {0, 0, 0}};
}

Material glowing(const std::string& name, double r, double g, double b, double glow)
{
    return {name, {r, g, b, 1.0}, 0, {0, 0, 0}, {r * glow, g * glow, b * glow}};
}

// A closed Catmull-Rom curve through the control points, steps points per span.
std::vector<std::array<double, 2>> smoothOutline(const std::vector<std::array<double, 2>>& c,
                                                 int steps)
{
    std::vector<std::array<double, 2>> out;
    const int n = int(c.size());
    for (int i = 0; i < n; ++i) {
        const auto& p0 = c[(i + n - 1) % n];
        const auto& p1 = c[i];
        const auto& p2 = c[(i + 1) % n];
        const auto& p3 = c[(i + 2) % n];
        for (int s = 0; s < steps; ++s) {
            const double t = double(s) / steps;
            const double t2 = t * t;
            const double t3 = t2 * t;
            std::array<double, 2> p;
            for (int k = 0; k < 2; ++k)
                p[k] = 0.5 * (2 * p1[k] + (-p0[k] + p2[k]) * t +
                              (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * t2 +
                              (-p0[k] + 3 * p1[k] - 3 * p2[k] + p3[k]) * t3);
            out.push_back(p);
        }
    }
    return out;
}

// A thin bar from a to b with the given half width (across, in the plane
// square to normal) and half depth (along normal).
void addBar(XMesh& m, V3 a, V3 b, V3 normal, double halfWidth, double halfDepth, int material)
{
    const V3 along = normalized(b - a);
    const V3 across = normalized(cross(normal, along));
    const V3 depth = cross(along, across);
    m.addOrientedBox((a + b) * 0.5, across, along, depth,
                     {halfWidth, length(b - a) * 0.5, halfDepth}, material);
}

// A solid with flat faces round a centre: each face is a triangle of corner indices.
void addFlatSolid(XMesh& m, V3 centre, const std::vector<V3>& corners,
                  const std::vector<std::array<int, 3>>& faces, int material)
{
    for (const auto& f : faces) {
        const V3 a = centre + corners[f[0]];
        const V3 b = centre + corners[f[1]];
        const V3 c = centre + corners[f[2]];
        V3 n = normalized(cross(b - a, c - a));
        if (dot(n, (a + b + c) * (1.0 / 3.0) - centre) < 0)
            n = n * -1.0;
        const int ia = m.addVertex(a, n);
        const int ib = m.addVertex(b, n);
        const int ic = m.addVertex(c, n);
        m.addTriangle(ia, ib, ic, material, n);
    }
}

} // namespace

XMesh virmoskDesign()
{
    // Drawn 220 high round the origin, where its camera looks, then enlarged to
    // fill more of the screen; the front faces -z, towards the camera.
    XMesh m;
    const int body =
        m.addMaterial({"Corpo", {0.78, 0.10, 0.08, 1.0}, 40, {1.0, 1.0, 1.0}, {0.10, 0.012, 0.01}});
    const int binding = m.addMaterial(
        {"Filetto", {0.95, 0.90, 0.75, 1.0}, 20, {0.6, 0.6, 0.6}, {0.20, 0.18, 0.12}});
    const int maple = m.addMaterial(plain("Acero", 0.85, 0.65, 0.35, 12, 0.3));
    const int rosewood = m.addMaterial(plain("Palissandro", 0.25, 0.12, 0.06, 8, 0.2));
    const int bone = m.addMaterial(plain("Osso", 0.95, 0.93, 0.85, 10, 0.3));
    const int chrome = m.addMaterial(plain("Cromo", 0.75, 0.75, 0.8, 60, 1.0));
    const int gold = m.addMaterial(plain("Oro", 0.9, 0.7, 0.2, 50, 0.9));
    const int black = m.addMaterial(plain("Nero", 0.06, 0.06, 0.07, 30, 0.5));
    const int strings = m.addMaterial(glowing("Corde", 0.75, 0.92, 1.0, 0.9));
    const int inlay = m.addMaterial(glowing("Intarsi", 0.25, 0.65, 1.0, 1.0));
    const int poles = m.addMaterial(glowing("Poli", 1.0, 0.62, 0.15, 0.9));
    const int logo = m.addMaterial(glowing("Logo", 1.0, 0.55, 0.12, 1.0));

    const std::vector<std::array<double, 2>> outline =
        smoothOutline({{0, -112},  {24, -109}, {38, -98},  {42, -82},  {38, -66},  {31, -56},
                       {31, -46},  {36, -34},  {37, -22},  {31, -19},  {24, -26},  {13, -31},
                       {-13, -31}, {-22, -24}, {-30, -12}, {-36, -14}, {-38, -26}, {-33, -44},
                       {-32, -56}, {-39, -68}, {-43, -84}, {-39, -99}, {-25, -109}},
                      8);
    m.addExtrusion(outline, {0, -68}, -8, 8, body, binding);

    // Neck, fretboard, nut and headstock.
    m.addBox({-7, -34, -12}, {7, 74, -6}, maple);
    m.addBox({-7.5, -42, -14}, {7.5, 72, -12}, rosewood);
    m.addBox({-7.5, 72, -17}, {7.5, 74, -12}, bone);
    m.addBox({-9, 74, -11}, {9, 108, -6}, maple);
    addBar(m, {-5.5, 104, -11.3}, {0, 82, -11.3}, {0, 0, -1}, 1.1, 0.4, logo);
    addBar(m, {5.5, 104, -11.3}, {0, 82, -11.3}, {0, 0, -1}, 1.1, 0.4, logo);

    // Frets on the equal-tempered scale of a 160 long string from the nut at
    // y = 72, and the glowing position markers between them.
    const double scaleLength = 160;
    auto fretY = [&](int k) { return 72 - scaleLength * (1 - std::pow(2.0, -k / 12.0)); };
    for (int k = 1; k <= 21; ++k)
        m.addBox({-7.5, fretY(k) - 0.4, -15}, {7.5, fretY(k) + 0.4, -14}, chrome);
    for (int k : {3, 5, 7, 9, 12, 15, 17, 19, 21}) {
        const double y = (fretY(k - 1) + fretY(k)) / 2;
        if (k == 12) {
            m.addBox({-4.2, y - 1.1, -14.3}, {-2.0, y + 1.1, -14}, inlay);
            m.addBox({2.0, y - 1.1, -14.3}, {4.2, y + 1.1, -14}, inlay);
        } else {
            m.addBox({-1.1, y - 1.1, -14.3}, {1.1, y + 1.1, -14}, inlay);
        }
    }

    // Tuners, three a side.
    for (int i = 0; i < 3; ++i) {
        const double y = 82 + 10 * i;
        for (double side : {-1.0, 1.0}) {
            m.addLathe({9 * side, y, -8.5}, {side, 0, 0}, {{1.6, 0}, {1.6, 5}}, 12, chrome, true);
            m.addBox({side > 0 ? 14.0 : -17.0, y - 2.5, -10},
                     {side > 0 ? 17.0 : -14.0, y + 2.5, -7}, chrome);
        }
    }

    // Bridge, pickups with glowing pole pieces, knobs.
    m.addBox({-10, -92, -16}, {10, -86, -8}, chrome);
    for (double y : {-51.0, -69.0}) {
        m.addBox({-9, y - 3, -12}, {9, y + 3, -8}, black);
        for (int s = 0; s < 6; ++s) {
            const double x = -6.25 + 2.5 * s;
            m.addBox({x - 0.7, y - 0.7, -12.4}, {x + 0.7, y + 0.7, -12}, poles);
        }
    }
    for (const auto& k : {std::array<double, 2>{22, -84}, {27, -96}, {14, -100}})
        m.addLathe({k[0], k[1], -8}, {0, 0, -1}, {{3.5, 0}, {3.5, 3.4}, {2.6, 4.2}}, 16, gold,
                   true);

    // Strings from the nut to the bridge, above the frets.
    for (int s = 0; s < 6; ++s) {
        const V3 nut{-5.0 + 2.0 * s, 73, -16.6};
        const V3 saddle{-6.25 + 2.5 * s, -89, -16.6};
        addBar(m, saddle, nut, {0, 0, -1}, 0.28, 0.28, strings);
    }
    m.scale(1.2);
    return m;
}

XMesh tubiDesign()
{
    // A trefoil knot about 130 across round the origin of its threefold
    // symmetry at y = -20, which puts the whole knot round the point its camera
    // looks at; a glowing core sits in the middle and a tilted ring round it.
    XMesh m;
    const int metal = m.addMaterial(
        {"Metallo", {0.22, 0.32, 0.80, 1.0}, 30, {1.0, 1.0, 1.0}, {0.04, 0.06, 0.16}});
    const int neon = m.addMaterial(glowing("Neon", 0.25, 0.95, 1.0, 0.95));
    const int core = m.addMaterial(glowing("Nucleo", 1.0, 0.58, 0.12, 1.0));
    const int ring = m.addMaterial(glowing("Anello", 0.72, 0.32, 1.0, 0.9));

    const double size = 22;
    const V3 origin{0, -20, 0};
    auto knot = [&](double t) {
        return origin + V3{std::sin(t) + 2 * std::sin(2 * t), std::cos(t) - 2 * std::cos(2 * t),
                           -1.3 * std::sin(3 * t)} *
                            size;
    };
    m.addClosedTube(knot, 7.5, 200, 14, [&](int i) { return i % 20 < 3 ? neon : metal; });
    m.addSphere(origin, 11, 20, 12, core);

    std::vector<std::array<double, 2>> circle;
    for (int i = 0; i <= 8; ++i) {
        const double a = 2 * pi * i / 8;
        circle.push_back({72 + 1.8 * std::cos(a), 1.8 * std::sin(a)});
    }
    circle.back() = circle.front();
    m.addLathe(origin, {0.35, 1, 0.2}, circle, 72, ring);
    return m;
}

XMesh primitiveDesign()
{
    // A stage 2.8 across with a sphere in the middle and six solids on a circle
    // round it, centred where its camera looks (y = -0.3). Faces are drawn
    // material by material; without a Z-buffer that order decides what covers
    // what, so the stage comes first.
    XMesh m;
    const int stone = m.addMaterial(plain("Pietra", 0.55, 0.55, 0.60, 10, 0.2));
    const int silver = m.addMaterial(plain("Argento", 0.80, 0.80, 0.85, 60, 1.0));
    const int white = m.addMaterial(plain("Bianco", 0.95, 0.95, 0.95, 30, 0.8));
    const int goldish = m.addMaterial(plain("OroPallido", 0.95, 0.85, 0.55, 30, 0.7));
    const int sky = m.addMaterial(plain("Azzurro", 0.60, 0.80, 0.95, 25, 0.6));
    const int green = m.addMaterial(plain("Verde", 0.65, 0.90, 0.65, 25, 0.6));
    const int pink = m.addMaterial(plain("Rosa", 0.95, 0.70, 0.75, 25, 0.6));

    const double y0 = -0.3;
    m.addLathe({0, y0 - 0.36, 0}, {0, 1, 0}, {{1.4, 0}, {1.4, 0.06}}, 64, stone, true);
    m.addLathe({0, y0 - 0.30, 0}, {0, 1, 0}, {{0.16, 0}, {0.16, 0.22}}, 24, silver, true);
    m.addSphere({0, y0 + 0.30, 0}, 0.42, 32, 18, white);

    const double r = 1.05;
    auto at = [&](int k, double dy) {
        const double a = 2 * pi * k / 6;
        return V3{r * std::cos(a), y0 + dy, r * std::sin(a)};
    };
    // Cube, turned and tipped.
    {
        const V3 ax = normalized({1, 0, 1});
        const V3 ay = normalized({-0.3, 1, 0.3});
        const V3 az = normalized(cross(ax, ay));
        m.addOrientedBox(at(0, -0.05), ax, normalized(cross(az, ax)), az, {0.22, 0.22, 0.22},
                         goldish);
    }
    m.addLathe(at(1, -0.3), {0, 1, 0}, {{0.26, 0}, {0, 0.55}}, 32, sky, true);
    m.addLathe(at(2, -0.3), {0, 1, 0}, {{0.18, 0}, {0.18, 0.5}}, 32, green, true);
    {
        std::vector<std::array<double, 2>> circle;
        for (int i = 0; i <= 20; ++i) {
            const double a = 2 * pi * i / 20;
            circle.push_back({0.20 + 0.08 * std::cos(a), 0.08 * std::sin(a)});
        }
        circle.back() = circle.front();
        const V3 c = at(3, 0.0);
        m.addLathe(c, normalized({c.x, 0.4, c.z}), circle, 40, pink);
    }
    addFlatSolid(
        m, at(4, 0.0),
        {{0.3, 0, 0}, {-0.3, 0, 0}, {0, 0.3, 0}, {0, -0.3, 0}, {0, 0, 0.3}, {0, 0, -0.3}},
        {{0, 2, 4}, {2, 1, 4}, {1, 3, 4}, {3, 0, 4}, {2, 0, 5}, {1, 2, 5}, {3, 1, 5}, {0, 3, 5}},
        silver);
    addFlatSolid(
        m, at(5, -0.3),
        {{-0.24, 0, -0.24}, {0.24, 0, -0.24}, {0.24, 0, 0.24}, {-0.24, 0, 0.24}, {0, 0.5, 0}},
        {{0, 1, 4}, {1, 2, 4}, {2, 3, 4}, {3, 0, 4}, {0, 2, 1}, {0, 3, 2}}, white);
    return m;
}
