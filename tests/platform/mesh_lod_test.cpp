#include "platform/sdl/frustum.h"
#include "platform/sdl/mesh_lod.h"
#include "platform/sdl/scene_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

using platform::MeshVertex;
using platform::sdl::Frustum;
using platform::sdl::CoarseMesh;
using platform::sdl::coarseMesh;

struct TestMesh {
    std::vector<MeshVertex> vertices;
    std::vector<std::uint32_t> indices;
};

// A unit sphere like the game's: longitude columns with a texture seam at
// u = 0/1, a vertex per column at each pole, outward faces clockwise seen
// from outside (east, then south).
TestMesh sphere(int columns, int rows, D3DVECTOR offset = {0, 0, 0}) {
    TestMesh m;
    auto point = [&](int row, float u) {
        const float theta = 3.14159265f * static_cast<float>(row) / static_cast<float>(rows);
        const float phi = 2 * 3.14159265f * u;
        MeshVertex v{};
        v.position = {std::sin(theta) * std::cos(phi), std::cos(theta), std::sin(theta) * std::sin(phi)};
        v.normal = v.position;
        v.position = v.position + offset;
        v.u = u;
        v.v = static_cast<float>(row) / static_cast<float>(rows);
        return v;
    };
    const auto c = static_cast<std::uint32_t>(columns);
    for (int j = 0; j < columns; ++j) m.vertices.push_back(point(0, (static_cast<float>(j) + 0.5f) / columns));
    for (int row = 1; row < rows; ++row) {
        for (int j = 0; j <= columns; ++j) m.vertices.push_back(point(row, static_cast<float>(j) / columns));
    }
    const auto bottom = static_cast<std::uint32_t>(m.vertices.size());
    for (int j = 0; j < columns; ++j) m.vertices.push_back(point(rows, (static_cast<float>(j) + 0.5f) / columns));
    auto at = [&](int row, std::uint32_t j) { return c + static_cast<std::uint32_t>(row - 1) * (c + 1) + j; };
    for (std::uint32_t j = 0; j < c; ++j) m.indices.insert(m.indices.end(), {j, at(1, j + 1), at(1, j)});
    for (int row = 1; row + 1 < rows; ++row) {
        for (std::uint32_t j = 0; j < c; ++j) {
            m.indices.insert(m.indices.end(), {at(row, j), at(row, j + 1), at(row + 1, j + 1)});
            m.indices.insert(m.indices.end(), {at(row, j), at(row + 1, j + 1), at(row + 1, j)});
        }
    }
    for (std::uint32_t j = 0; j < c; ++j) m.indices.insert(m.indices.end(), {at(rows - 1, j), at(rows - 1, j + 1), bottom + j});
    return m;
}

// Whether the ray from the origin along `way` passes through triangle abc.
bool rayMeets(const D3DVECTOR& way, const D3DVECTOR& a, const D3DVECTOR& b, const D3DVECTOR& c) {
    const float s1 = dotProduct(way, crossProduct(a, b));
    const float s2 = dotProduct(way, crossProduct(b, c));
    const float s3 = dotProduct(way, crossProduct(c, a));
    const bool sameSide = (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
    return sameSide && dotProduct(way, a + b + c) > 0;
}

// Which way a triangle faces, against the way out from the centre.
float facing(const std::vector<MeshVertex>& v, std::uint32_t i, std::uint32_t j, std::uint32_t k) {
    const D3DVECTOR a = v[i].position, b = v[j].position, c = v[k].position;
    return dotProduct(crossProduct(b - a, c - a), a + b + c);
}

// The flight camera: at the origin looking along +z, field of view 1.0,
// near 10, far 200000.
Frustum flightFrustum(D3DVECTOR eye = {0, 0, 0}, D3DVECTOR at = {0, 0, 1}) {
    D3DMATRIX view, projection;
    D3DUtil_SetViewMatrix(view, eye, at, {0, 1, 0});
    D3DUtil_SetProjectionMatrix(projection, 1.0f, 1.0f, 10.0f, 200000.0f);
    return Frustum(view, projection);
}

// Half the field of view: at depth z the view reaches z * tan(0.5) to each side.
const float kSlope = std::tan(0.5f);

}  // namespace

// The game's sphere shrinks to a small closed ball: a fraction of the
// triangles, none degenerate or repeated, facing out as before, reaching
// out in every direction, and no triangle bridging the texture seam.
TEST(MeshLod, SphereShrinksToAClosedOutwardBall) {
    const TestMesh m = sphere(24, 16);
    const CoarseMesh coarse = coarseMesh(m.vertices, m.indices);
    const std::size_t triangles = m.indices.size() / 3;
    const std::size_t kept = coarse.indices.size() / 3;
    EXPECT_GT(kept, 20u);
    EXPECT_LT(kept * 4, triangles) << kept << " of " << triangles;

    const float outward = facing(m.vertices, m.indices[90], m.indices[91], m.indices[92]) > 0 ? 1.0f : -1.0f;
    const std::vector<MeshVertex>& cv = coarse.vertices;
    std::set<std::array<std::uint32_t, 3>> seen;
    for (std::size_t t = 0; t < kept; ++t) {
        std::array<std::uint32_t, 3> tri{coarse.indices[3 * t], coarse.indices[3 * t + 1], coarse.indices[3 * t + 2]};
        ASSERT_LT(*std::max_element(tri.begin(), tri.end()), cv.size());
        EXPECT_TRUE(tri[0] != tri[1] && tri[1] != tri[2] && tri[0] != tri[2]);
        std::rotate(tri.begin(), std::min_element(tri.begin(), tri.end()), tri.end());
        EXPECT_TRUE(seen.insert(tri).second) << "triangle " << t << " repeated";

        EXPECT_GT(facing(cv, tri[0], tri[1], tri[2]) * outward, 0.0f) << "triangle " << t << " turned";
        const float us[] = {cv[tri[0]].u, cv[tri[1]].u, cv[tri[2]].u};
        EXPECT_LT(*std::max_element(us, us + 3) - *std::min_element(us, us + 3), 0.5f) << "across the seam";
    }
    // Closed: a ray from the centre in any way meets a kept triangle.
    int holes = 0;
    for (int i = 0; i < 400; ++i) {
        const float z = 1.0f - 2.0f * (static_cast<float>(i) + 0.5f) / 400.0f;
        const float r = std::sqrt(1.0f - z * z), phi = 2.39996f * static_cast<float>(i);
        const D3DVECTOR way{r * std::cos(phi), z, r * std::sin(phi)};
        bool hit = false;
        for (std::size_t t = 0; t < kept && !hit; ++t) {
            hit = rayMeets(way, cv[coarse.indices[3 * t]].position, cv[coarse.indices[3 * t + 1]].position,
                           cv[coarse.indices[3 * t + 2]].position);
        }
        holes += !hit;
    }
    EXPECT_EQ(holes, 0);
}

// Which coarse triangles a draw of a run takes: whole triangles only, at
// least half saved, never nothing.
TEST(MeshLod, RunsOfIndicesFindTheirCoarseTriangles) {
    using platform::sdl::coarseRange;
    // Eight triangles: the first four merge into one, the next two into
    // nothing, the last two stay.
    const std::vector<std::uint32_t> start{0, 1, 1, 1, 1, 1, 1, 2, 3};
    // Whole runs, first and count; none where a run collapses, saves nothing
    // or less than half, is no whole triangles or reaches past the mesh.
    const std::tuple<int, int, std::uint32_t, std::uint32_t> kRuns[] = {
        {0, 24, 0, 3}, {0, 12, 0, 1}, {6, 18, 1, 2}, {12, 6, 0, 0}, {18, 6, 0, 0}, {15, 9, 0, 0},
        {1, 12, 0, 0}, {0, 25, 0, 0}, {0, 27, 0, 0}};
    for (const auto& [from, count, first, triangles] : kRuns) {
        const auto range = coarseRange(start, from, count);
        EXPECT_EQ(range.has_value(), triangles != 0) << from << "+" << count;
        if (range) {
            EXPECT_EQ(std::pair(range->first, range->count), std::pair(first, triangles)) << from << "+" << count;
        }
    }
}

// How large a sphere shows: the flight view's projection at its depth, and
// one that reaches the eye's plane may fill the view.
TEST(MeshLod, PixelRadiusOfPlacedSpheres) {
    using platform::sdl::pixelRadius;
    D3DMATRIX view, projection;
    D3DUtil_SetViewMatrix(view, {0, 0, 0}, {0, 0, 1}, {0, 1, 0});
    D3DUtil_SetProjectionMatrix(projection, 1.0f, 1.0f, 10.0f, 200000.0f);
    const platform::sdl::Viewport flight;  // the whole screen's 1024 wide
    platform::sdl::Viewport square;
    square.width = square.height = 768;
    // Half the view's height spans tan(0.5) * depth.
    const float half = 384.0f / std::tan(0.5f);
    EXPECT_NEAR(pixelRadius({{0, 0, 1000}, 2}, view, projection, square), 2 * half / 1000, 1e-3f);
    EXPECT_NEAR(pixelRadius({{500, 0, 1000}, 2}, view, projection, square), 2 * half / 1000, 1e-3f);
    EXPECT_GT(pixelRadius({{0, 0, 1000}, 2}, view, projection, flight), 2 * half / 1000);
    for (const float depth : {2.0f, 0.0f, -50.0f}) {
        EXPECT_TRUE(std::isinf(pixelRadius({{0, 0, depth}, 2}, view, projection, square))) << depth;
    }
}

// ---------------------------------------------------------------- culling

// Spheres just beyond each plane (by 5 past the radius along the axis,
// which is farther than along the plane's normal) are culled; those whose
// centre is outside but which reach in, a point, the sky around the camera
// and one just inside the far plane may show.
TEST(FrustumTest, SpheresInsideOutsideEachPlaneAndStraddling) {
    const Frustum f = flightFrustum();
    const float r = 20, edge = 1000 * kSlope + r / std::cos(0.5f);
    const float out = edge + 5, in = edge - 5;
    const std::tuple<const char*, D3DVECTOR, float, bool> kSpheres[] = {
        {"ahead", {0, 0, 1000}, 1, true},   {"a point", {0, 0, 1000}, 0, true},
        {"left", {-out, 0, 1000}, r, false}, {"right", {out, 0, 1000}, r, false},
        {"bottom", {0, -out, 1000}, r, false}, {"top", {0, out, 1000}, r, false},
        {"before the near plane", {0, 0, 10 - r - 1}, r, false}, {"behind", {0, 0, -5000}, r, false},
        {"reaching in from the left", {-in, 0, 1000}, r, true}, {"from the right", {in, 0, 1000}, r, true},
        {"from below", {0, -in, 1000}, r, true}, {"from above", {0, in, 1000}, r, true},
        {"through the near plane", {0, 0, 10 - r + 1}, r, true}, {"inside the far plane", {0, 0, 199990}, r, true},
        {"the sky", {0, 0, 0}, 190000, true}, {"a corner", {out, out, 1000}, r, false}};
    for (const auto& [what, centre, radius, shows] : kSpheres) EXPECT_EQ(f.mayShow({centre, radius}), shows) << what;
}

TEST(FrustumTest, FollowsTheCameraAndItsTurn) {
    // Looking back along -x from (500, 0, 0): what was ahead is now behind.
    const Frustum f = flightFrustum({500, 0, 0}, {0, 0, 0});
    EXPECT_TRUE(f.mayShow({{-1000, 0, 0}, 1}));
    EXPECT_FALSE(f.mayShow({{2000, 0, 0}, 1}));
    EXPECT_FALSE(f.mayShow({{0, 0, 1000}, 1}));  // 90 degrees off to the side
}
