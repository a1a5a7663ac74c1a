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

}  // namespace
