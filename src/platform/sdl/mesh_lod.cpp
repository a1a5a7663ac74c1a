#include "platform/sdl/mesh_lod.h"

#include "platform/sdl/frustum.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <limits>
#include <set>
#include <utility>

namespace platform::sdl {
namespace {

int cellOf(float value, float low, float size) {
    const int cell = static_cast<int>(std::floor((value - low) / size));
    return std::clamp(cell, 0, kCoarseCells - 1);
}

// Which way a triangle faces against its vertices' normals: > 0 with them,
// < 0 against them, 0 flat (or, without normals, 1 for any triangle of
// area).
float facing(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c) {
    const D3DVECTOR face = crossProduct(b.position - a.position, c.position - a.position);
    const D3DVECTOR normals = a.normal + b.normal + c.normal;
    const float area = magnitude(face);
    if (area == 0.0f) return 0.0f;
    if (squareMagnitude(normals) == 0.0f) return 1.0f;
    const float cosine = dotProduct(face, normals) / (area * magnitude(normals));
    return std::fabs(cosine) < 1e-4f ? 0.0f : cosine;
}

}  // namespace

CoarseMesh coarseMesh(const std::vector<MeshVertex>& vertices, const std::vector<std::uint32_t>& indices) {
    CoarseMesh coarse;
    const std::size_t triangles = indices.size() / 3;
    coarse.start.reserve(triangles + 1);
    if (vertices.empty()) {
        coarse.start.assign(triangles + 1, 0);
        return coarse;
    }

    const auto [low, high] = boundingBox(vertices);
    float side = 0.0f;
    for (int i = 0; i < 3; ++i) side = std::max(side, high[i] - low[i]);
    const float cell = side > 0.0f ? side / kCoarseCells : 1.0f;
    constexpr float kUvCell = 1.0f / kCoarseCells;

    // Vertices in one space cell and one texture cell become one. Its
    // place is the vertex nearest the mean of the whole space cell, the
    // same for every texture cell there, so that the two sides of a seam
    // still meet; its texture coordinates and normal are those of the
    // vertex of its own texture cell nearest that place.
    struct Cell {
        D3DVECTOR sum{0, 0, 0};
        int members = 0;
        float nearest = std::numeric_limits<float>::infinity();
        D3DVECTOR place{0, 0, 0};
    };
    std::map<std::array<int, 3>, Cell> spaceCells;
    std::vector<std::array<int, 3>> spaceKey(vertices.size());
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        const D3DVECTOR& p = vertices[i].position;
        spaceKey[i] = {cellOf(p.x, low.x, cell), cellOf(p.y, low.y, cell), cellOf(p.z, low.z, cell)};
        Cell& c = spaceCells[spaceKey[i]];
        c.sum = c.sum + p;
        ++c.members;
    }
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        Cell& c = spaceCells[spaceKey[i]];
        const float distance = squareMagnitude(vertices[i].position - c.sum * (1.0f / static_cast<float>(c.members)));
        if (distance < c.nearest) {
            c.nearest = distance;
            c.place = vertices[i].position;
        }
    }

    std::map<std::array<int, 5>, std::uint32_t> cellIndex;
    std::vector<std::uint32_t> merged(vertices.size());
    std::vector<float> nearest;
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        const MeshVertex& v = vertices[i];
        // A seam has u (or v) 0 on one side and 1 on the other: the first
        // and the last texture cell. Coordinates beyond 0..1 join the cell
        // at that edge.
        const std::array<int, 3>& space = spaceKey[i];
        const std::array<int, 5> key{space[0], space[1], space[2], cellOf(v.u, 0, kUvCell), cellOf(v.v, 0, kUvCell)};
        const auto [found, added] = cellIndex.try_emplace(key, static_cast<std::uint32_t>(coarse.vertices.size()));
        if (added) {
            coarse.vertices.push_back(v);
            nearest.push_back(std::numeric_limits<float>::infinity());
        }
        const std::uint32_t m = found->second;
        merged[i] = m;
        const D3DVECTOR& place = spaceCells[space].place;
        const float distance = squareMagnitude(v.position - place);
        if (distance < nearest[m]) {
            nearest[m] = distance;
            coarse.vertices[m] = v;
            coarse.vertices[m].position = place;
        }
    }

    std::set<std::array<std::uint32_t, 3>> kept;  // turned to start at their smallest index
    for (std::size_t t = 0; t < triangles; ++t) {
        coarse.start.push_back(static_cast<std::uint32_t>(coarse.indices.size() / 3));
        std::array<std::uint32_t, 3> original{};
        std::array<std::uint32_t, 3> corner{};
        bool inRange = true;
        for (std::size_t k = 0; k < 3; ++k) {
            original[k] = indices[3 * t + k];
            inRange = inRange && original[k] < vertices.size();
            if (inRange) corner[k] = merged[original[k]];
        }
        if (!inRange) continue;
        if (corner[0] == corner[1] || corner[1] == corner[2] || corner[0] == corner[2]) continue;
        // A merged triangle that lies flat covers nothing; one that has
        // turned over in a fold is turned back to face the way the
        // triangle it stands for faced, so that the fold shows no hole.
        const float before = facing(vertices[original[0]], vertices[original[1]], vertices[original[2]]);
        const float after = facing(coarse.vertices[corner[0]], coarse.vertices[corner[1]], coarse.vertices[corner[2]]);
        if (before * after == 0.0f) continue;
        if (before * after < 0.0f) std::swap(corner[1], corner[2]);
        const auto first = std::min_element(corner.begin(), corner.end()) - corner.begin();
        std::array<std::uint32_t, 3> turned{};
        for (std::size_t k = 0; k < 3; ++k) turned[k] = corner[(static_cast<std::size_t>(first) + k) % 3];
        if (!kept.insert(turned).second) continue;
        coarse.indices.insert(coarse.indices.end(), corner.begin(), corner.end());
    }
    coarse.start.push_back(static_cast<std::uint32_t>(coarse.indices.size() / 3));

    // Fewer, flatter faces cut inside the surface, and a far sphere would
    // show smaller than it is: the coarse shape grows about the middle until
    // its surface is as large as the mesh's.
    auto area = [](const std::vector<MeshVertex>& v, const std::vector<std::uint32_t>& idx) {
        double sum = 0;
        for (std::size_t t = 0; t + 2 < idx.size(); t += 3) {
            if (std::max({idx[t], idx[t + 1], idx[t + 2]}) >= v.size()) continue;
            const D3DVECTOR& a = v[idx[t]].position;
            sum += magnitude(crossProduct(v[idx[t + 1]].position - a, v[idx[t + 2]].position - a));
        }
        return sum;
    };
    const double fine = area(vertices, indices);
    const double rough = area(coarse.vertices, coarse.indices);
    if (fine > 0 && rough > 0) {
        const auto grow = static_cast<float>(std::sqrt(fine / rough));
        const D3DVECTOR middle = (low + high) * 0.5f;
        for (MeshVertex& v : coarse.vertices) v.position = middle + (v.position - middle) * grow;
    }
    return coarse;
}

std::optional<CoarseRange> coarseRange(const std::vector<std::uint32_t>& start, int first, int count) {
    if (first < 0 || count <= 0 || first % 3 != 0 || count % 3 != 0) return std::nullopt;
    const auto from = static_cast<std::size_t>(first / 3);
    const auto to = static_cast<std::size_t>((first + count) / 3);
    if (to >= start.size()) return std::nullopt;
    const std::uint32_t coarse = start[to] - start[from];
    if (coarse == 0 || 2 * coarse > static_cast<std::uint32_t>(count / 3)) return std::nullopt;
    return CoarseRange{start[from], coarse};
}

}  // namespace platform::sdl
