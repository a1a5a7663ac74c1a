#pragma once

#include <array>
#include <vector>

#include "platform/platform.h"

namespace platform::sdl {

// A sphere around what a mesh can cover.
struct Sphere {
    D3DVECTOR center;
    float radius = 0.0f;
};

// The smallest axis-aligned box around the vertices; empty, both corners
// at the origin.
struct Box {
    D3DVECTOR low{0, 0, 0};
    D3DVECTOR high{0, 0, 0};
};
Box boundingBox(const std::vector<MeshVertex>& vertices);

// The smallest box's centre with the farthest vertex's distance from it; an
// empty mesh gives a point at the origin.
Sphere boundingSphere(const std::vector<MeshVertex>& vertices);

// The sphere of a mesh drawn with its positions multiplied by vertexScale
// (negative turns it inside out, not bigger) and then by the world matrix,
// whose longest axis sets the radius.
Sphere placedSphere(const Sphere& model, const D3DMATRIX& world, float vertexScale);

// The planes of what view and projection show (Direct3D's clip volume:
// -w <= x, y <= w, 0 <= z; not the far plane z <= w), each as a, b, c, d with a x + b y + c z + d
// >= 0 inside. The planes are not normalised.
struct Frustum {
    struct Plane {
        float a, b, c, d;
    };
    std::array<Plane, 5> planes;

    Frustum(const D3DMATRIX& view, const D3DMATRIX& projection);

    // False only when the sphere lies wholly outside one of the planes; a
    // sphere that touches or straddles a plane may be seen.
    bool mayShow(const Sphere& sphere) const;
};

}  // namespace platform::sdl
