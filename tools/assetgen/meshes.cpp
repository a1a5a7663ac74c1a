#include "assetgen/meshes.h"

#include "assetgen/noise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <map>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "assetgen/mesh_model.h"

namespace meshgen {
namespace {

constexpr double kPi = std::numbers::pi;

Frame single(const std::string& name, Mesh mesh) {
    Frame f;
    f.name = name;
    f.meshes.push_back(std::move(mesh));
    return f;
}

// A sphere of radius 1 in longitude columns and latitude rows. u runs with
// the longitude from 0 to 1, v from 0 at the top (+y) to 1 at the bottom.
// The poles have one vertex per column, at the middle of that column's
// single triangle there, so none of them is degenerate.
Mesh sphere(const std::string& name, const Material& material, int columns = 24, int rows = 16) {
    Mesh m;
    m.name = name;
    m.materials = {material};
    auto point = [&](int row, double u) {
        const double theta = kPi * row / rows, phi = 2 * kPi * u;
        Vertex v;
        v.pos = {std::sin(theta) * std::cos(phi), std::cos(theta), std::sin(theta) * std::sin(phi)};
        if (row == 0) v.pos = {0, 1, 0};
        if (row == rows) v.pos = {0, -1, 0};
        v.normal = v.pos;
        v.u = u;
        v.v = static_cast<double>(row) / rows;
        return v;
    };
    for (int j = 0; j < columns; ++j) m.vertices.push_back(point(0, (j + 0.5) / columns));
    const int ringStart = columns;
    for (int row = 1; row < rows; ++row) {
        for (int j = 0; j <= columns; ++j) m.vertices.push_back(point(row, static_cast<double>(j) / columns));
    }
    const int bottomStart = static_cast<int>(m.vertices.size());
    for (int j = 0; j < columns; ++j) m.vertices.push_back(point(rows, (j + 0.5) / columns));

    auto at = [&](int row, int j) { return ringStart + (row - 1) * (columns + 1) + j; };
    // cross(east, south) points outward, so each quad runs east, then south.
    for (int j = 0; j < columns; ++j) m.faces.push_back({j, at(1, j + 1), at(1, j)});
    for (int row = 1; row + 1 < rows; ++row) {
        for (int j = 0; j < columns; ++j) {
            m.faces.push_back({at(row, j), at(row, j + 1), at(row + 1, j + 1)});
            m.faces.push_back({at(row, j), at(row + 1, j + 1), at(row + 1, j)});
        }
    }
    for (int j = 0; j < columns; ++j)
        m.faces.push_back({at(rows - 1, j), at(rows - 1, j + 1), bottomStart + j});
    m.faceMaterial.assign(m.faces.size(), 0);
    return m;
}

// The gate: a ring about the y axis (the game turns y onto the approach
// axis), in the x-z plane, outer radius 1. u runs round the ring, v round
// the tube.
Mesh torus(int ringSegments = 24, int tubeSegments = 8) {
    constexpr double kRing = 0.8, kTube = 0.2;
    Mesh m;
    m.name = "Tor_Ring";
    // No texture of its own: the scene binds the gate's flickering look.
    m.materials = {surface("Tor", 1.0, 1.0, 1.0, 0.5)};
    for (int i = 0; i <= ringSegments; ++i) {
        const double phi = 2 * kPi * i / ringSegments;
        for (int j = 0; j <= tubeSegments; ++j) {
            const double psi = 2 * kPi * j / tubeSegments;
            Vertex v;
            v.normal = {std::cos(psi) * std::cos(phi), std::sin(psi), std::cos(psi) * std::sin(phi)};
            v.pos = V3{std::cos(phi) * kRing, 0, std::sin(phi) * kRing} + v.normal * kTube;
            v.u = static_cast<double>(i) / ringSegments;
            v.v = static_cast<double>(j) / tubeSegments;
            m.vertices.push_back(v);
        }
    }
    auto at = [&](int i, int j) { return i * (tubeSegments + 1) + j; };
    // cross(round the tube, round the ring) points outward.
    for (int i = 0; i < ringSegments; ++i) {
        for (int j = 0; j < tubeSegments; ++j) {
            m.faces.push_back({at(i, j), at(i, j + 1), at(i + 1, j + 1)});
            m.faces.push_back({at(i, j), at(i + 1, j + 1), at(i + 1, j)});
        }
    }
    m.faceMaterial.assign(m.faces.size(), 0);
    return m;
}

// An icosahedron on the unit sphere, every face turned outward.
void icosahedron(std::vector<V3>& points, std::vector<std::array<int, 3>>& faces) {
    const double t = (1 + std::sqrt(5.0)) / 2;
    points = {{-1, t, 0},  {1, t, 0},  {-1, -t, 0}, {1, -t, 0}, {0, -1, t},  {0, 1, t},
              {0, -1, -t}, {0, 1, -t}, {t, 0, -1},  {t, 0, 1},  {-t, 0, -1}, {-t, 0, 1}};
    for (V3& p : points) p = normalized(p);
    faces = {{0, 11, 5},  {0, 5, 1},  {0, 1, 7},  {0, 7, 10}, {0, 10, 11}, {1, 5, 9}, {5, 11, 4},
             {11, 10, 2}, {10, 7, 6}, {7, 1, 8},  {3, 9, 4},  {3, 4, 2},   {3, 2, 6}, {3, 6, 8},
             {3, 8, 9},   {4, 9, 5},  {2, 4, 11}, {6, 2, 10}, {8, 6, 7},   {9, 8, 1}};
    for (auto& f : faces) {
        const V3 a = points[f[0]], b = points[f[1]], c = points[f[2]];
        if (dot(cross(b - a, c - a), a) < 0) std::swap(f[1], f[2]);
    }
}

// Splits every face into four, the centre one last; the new points sit on
// the unit sphere, after the old ones.
void subdivide(std::vector<V3>& points, std::vector<std::array<int, 3>>& faces) {
    std::map<std::pair<int, int>, int> midpoints;
    auto mid = [&](int a, int b) {
        const std::pair<int, int> key{std::min(a, b), std::max(a, b)};
        const auto found = midpoints.find(key);
        if (found != midpoints.end()) return found->second;
        points.push_back(normalized(points[a] + points[b]));
        const int index = static_cast<int>(points.size()) - 1;
        midpoints.emplace(key, index);
        return index;
    };
    std::vector<std::array<int, 3>> finer;
    for (const auto& f : faces) {
        const int ab = mid(f[0], f[1]), bc = mid(f[1], f[2]), ca = mid(f[2], f[0]);
        finer.push_back({f[0], ab, ca});
        finer.push_back({ab, f[1], bc});
        finer.push_back({ca, bc, f[2]});
        finer.push_back({ab, bc, ca});
    }
    faces = std::move(finer);
}

// A lumpy rock: a once-split icosahedron (42 points, 80 faces), each point
// pulled in by smooth waves and a little per-point jitter, the largest
// radius then scaled to 1. Shared vertices with smoothed normals keep it
// cheap to draw by the thousand.
Mesh asteroid() {
    std::vector<V3> points;
    std::vector<std::array<int, 3>> faces;
    icosahedron(points, faces);
    subdivide(points, faces);
    double largest = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const V3 p = points[i];
        const double jitter = (gen::mix(static_cast<std::uint32_t>(i) + 0x51u) % 1000) / 1000.0;
        const double r = 0.8 + 0.1 * std::sin(3.1 * p.x + 1.3) * std::cos(2.7 * p.y - 0.4) +
                         0.07 * std::sin(4.3 * p.z + 2.1 * p.x) + 0.08 * (jitter - 0.5);
        points[i] = p * r;
        largest = std::max(largest, r);
    }
    Mesh m;
    m.name = "Asteroid_Fels";
    m.materials = {surface("Fels", 0.62, 0.58, 0.54, 0.05)};
    std::vector<V3> normals(points.size());
    for (const auto& f : faces) {
        const V3 a = points[f[0]], b = points[f[1]], c = points[f[2]];
        const V3 n = cross(b - a, c - a);  // length weighs by area
        for (int k : f) normals[k] = normals[k] + n;
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        Vertex v;
        v.pos = points[i] * (1 / largest);
        v.normal = normalized(normals[i]);
        // A projection without a seam; the rock's grain hides the stretch.
        v.u = 0.5 + 0.5 * (0.8 * v.pos.x + 0.6 * v.pos.z);
        v.v = 0.5 - 0.5 * v.pos.y;
        m.vertices.push_back(v);
    }
    m.faces = faces;
    m.faceMaterial.assign(faces.size(), 0);
    return m;
}

// A spiky fireball: twelve long flames at the icosahedron's corners over a
// smaller core with a short flame on every centre face.
Mesh explosion() {
    std::vector<V3> points;
    std::vector<std::array<int, 3>> faces;
    icosahedron(points, faces);
    subdivide(points, faces);
    for (std::size_t i = 12; i < points.size(); ++i) points[i] = points[i] * 0.5;
    Mesh m;
    m.name = "Explosion_Feuer";
    Material flame = glowing("Flamme", 1.0, 0.5, 0.1);
    Material core = glowing("Kern", 1.0, 0.9, 0.35);
    flame.diffuse[3] = core.diffuse[3] = 0.7;
    m.materials = {flame, core};
    Solid s;
    for (std::size_t k = 0; k < faces.size(); ++k) {
        const V3 a = points[faces[k][0]], b = points[faces[k][1]], c = points[faces[k][2]];
        if (k % 4 != 3) {
            s.push_back({a, b, c, 0});
            continue;
        }
        const V3 tip = normalized(a + b + c) * 0.8;
        s.push_back({a, b, tip, 1});
        s.push_back({b, c, tip, 1});
        s.push_back({c, a, tip, 1});
    }
    addSolid(m, s, 0.5);
    return m;
}

Material plainWhite(const std::string& name) { return surface(name, 1, 1, 1, 0); }

Material selfLit(const std::string& name) {
    Material m = plainWhite(name);
    m.emissive = {1, 1, 1};
    return m;
}

}  // namespace

std::vector<MeshFile> meshFiles() {
    std::vector<MeshFile> files;
    for (int typ = 1; typ <= 12; ++typ)
        files.push_back({"Raumschiff" + std::to_string(typ) + ".X", shipModel(typ)});
    files.push_back({"Rakete.X", missileModel()});
    files.push_back({"Explosion.X", single("Explosion", explosion())});
    files.push_back({"asteroid_new.x", single("Asteroid", asteroid())});
    for (int kind = 1; kind <= 4; ++kind)
        files.push_back({"Station" + std::to_string(kind) + ".x", stationModel(kind)});
    files.push_back({"Kugel_new.x", single("Planet", sphere("Planet_Kugel", plainWhite("Oberflaeche")))});
    files.push_back({"Kugel_newHell.x", single("Sonne", sphere("Sonne_Kugel", selfLit("Glut")))});
    files.push_back({"sonne.X", single("Himmel", sphere("Himmel_Kugel", selfLit("Sterne")))});
    files.push_back({"Tor.x", single("Tor", torus())});
    for (MeshFile& file : files) dropUnusedMaterials(file.root);
    return files;
}

}  // namespace meshgen

bool writeMeshes(const std::filesystem::path& outDir, std::string& error) {
    for (const meshgen::MeshFile& file : meshgen::meshFiles()) {
        const std::string text = meshgen::xFileText(file.root);
        std::ofstream out(outDir / file.name, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            error = "cannot write " + (outDir / file.name).string();
            return false;
        }
    }
    return true;
}
