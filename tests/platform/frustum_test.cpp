#include "platform/sdl/frustum.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using platform::MeshVertex;
using platform::sdl::Frustum;
using platform::sdl::Sphere;

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

TEST(FrustumTest, SpheresInsideOutsideEachPlaneAndStraddling) {
    const Frustum f = flightFrustum();
    EXPECT_TRUE(f.mayShow({{0, 0, 1000}, 1}));
    EXPECT_TRUE(f.mayShow({{0, 0, 1000}, 0}));  // a point
    // Just beyond each side plane at depth 1000, by a margin of 5 past the
    // radius (measured along the axis, which is farther than along the
    // plane's normal, so it is still outside).
    const float edge = 1000 * kSlope;
    const float r = 20;
    const float beyond = edge + r / std::cos(0.5f) + 5;
    EXPECT_FALSE(f.mayShow({{-beyond, 0, 1000}, r}));  // left
    EXPECT_FALSE(f.mayShow({{beyond, 0, 1000}, r}));   // right
    EXPECT_FALSE(f.mayShow({{0, -beyond, 1000}, r}));  // bottom
    EXPECT_FALSE(f.mayShow({{0, beyond, 1000}, r}));   // top
    EXPECT_FALSE(f.mayShow({{0, 0, 10 - r - 1}, r}));  // in front of the near plane
    EXPECT_FALSE(f.mayShow({{0, 0, -5000}, r}));       // behind the camera
    // Centre outside, but reaching in: still drawn.
    const float reaching = edge + r / std::cos(0.5f) - 5;
    EXPECT_TRUE(f.mayShow({{-reaching, 0, 1000}, r}));
    EXPECT_TRUE(f.mayShow({{reaching, 0, 1000}, r}));
    EXPECT_TRUE(f.mayShow({{0, -reaching, 1000}, r}));
    EXPECT_TRUE(f.mayShow({{0, reaching, 1000}, r}));
    EXPECT_TRUE(f.mayShow({{0, 0, 10 - r + 1}, r}));
    EXPECT_TRUE(f.mayShow({{0, 0, 199990}, r}));  // just inside the far plane
    // A sphere around the camera, like the sky, is always drawn.
    EXPECT_TRUE(f.mayShow({{0, 0, 0}, 190000}));
    // Off to a corner: outside two planes at once.
    EXPECT_FALSE(f.mayShow({{beyond, beyond, 1000}, r}));
}

TEST(FrustumTest, FollowsTheCameraAndItsTurn) {
    // Looking back along -x from (500, 0, 0): what was ahead is now behind.
    const Frustum f = flightFrustum({500, 0, 0}, {0, 0, 0});
    EXPECT_TRUE(f.mayShow({{-1000, 0, 0}, 1}));
    EXPECT_FALSE(f.mayShow({{2000, 0, 0}, 1}));
    EXPECT_FALSE(f.mayShow({{0, 0, 1000}, 1}));  // 90 degrees off to the side
}

}  // namespace
