#include "platform/sdl/frustum.h"

#include <algorithm>
#include <cmath>

namespace platform::sdl {
namespace {

float element(const D3DMATRIX& m, int row, int column) { return (&m._11)[row * 4 + column]; }

}  // namespace

Box boundingBox(const std::vector<MeshVertex>& vertices) {
    if (vertices.empty()) return {};
    Box box{vertices.front().position, vertices.front().position};
    for (const MeshVertex& v : vertices) {
        for (int i = 0; i < 3; ++i) {
            box.low[i] = std::min(box.low[i], v.position[i]);
            box.high[i] = std::max(box.high[i], v.position[i]);
        }
    }
    return box;
}

Sphere boundingSphere(const std::vector<MeshVertex>& vertices) {
    if (vertices.empty()) return {};
    const Box box = boundingBox(vertices);
    Sphere sphere;
    sphere.center = (box.low + box.high) * 0.5f;
    for (const MeshVertex& v : vertices) {
        sphere.radius = std::max(sphere.radius, magnitude(v.position - sphere.center));
    }
    return sphere;
}

Sphere placedSphere(const Sphere& model, const D3DMATRIX& world, float vertexScale) {
    const D3DVECTOR c = model.center * vertexScale;
    Sphere placed;
    // Row vectors: (x, y, z, 1) times the matrix.
    placed.center = {c.x * world._11 + c.y * world._21 + c.z * world._31 + world._41,
                     c.x * world._12 + c.y * world._22 + c.z * world._32 + world._42,
                     c.x * world._13 + c.y * world._23 + c.z * world._33 + world._43};
    float longest = 0.0f;
    for (int row = 0; row < 3; ++row) {
        const D3DVECTOR axis{element(world, row, 0), element(world, row, 1), element(world, row, 2)};
        longest = std::max(longest, magnitude(axis));
    }
    placed.radius = model.radius * std::fabs(vertexScale) * longest;
    return placed;
}

Frustum::Frustum(const D3DMATRIX& view, const D3DMATRIX& projection) {
    // The view applies first, then the projection.
    D3DMATRIX m;
    D3DMath_MatrixMultiply(m, projection, view);
    // Clip coordinate j of a world point p is sum_i p_i m[i][j] (p_3 = 1).
    auto combine = [&](int column, float sign, bool withW) {
        Plane plane{};
        float* out = &plane.a;
        for (int row = 0; row < 4; ++row) {
            out[row] = sign * element(m, row, column) + (withW ? element(m, row, 3) : 0.0f);
        }
        return plane;
    };
    // No far plane: with the game's near 10 and far 200000 it is known to
    // float only to some hundred units, too loose to cull by without
    // losing what lies just inside it.
    planes = {combine(0, 1.0f, true),    // left:   x + w >= 0
              combine(0, -1.0f, true),   // right:  w - x >= 0
              combine(1, 1.0f, true),    // bottom: y + w >= 0
              combine(1, -1.0f, true),   // top:    w - y >= 0
              combine(2, 1.0f, false)};  // near:   z >= 0
}

bool Frustum::mayShow(const Sphere& sphere) const {
    const D3DVECTOR& c = sphere.center;
    for (const Plane& p : planes) {
        const float distance = p.a * c.x + p.b * c.y + p.c * c.z + p.d;
        const float length = std::sqrt(p.a * p.a + p.b * p.b + p.c * p.c);
        // A hair of slack, so that rounding never drops a sphere that
        // just touches a plane.
        if (distance < -(sphere.radius * 1.0001f + 1e-3f) * length) return false;
    }
    return true;
}

}  // namespace platform::sdl
