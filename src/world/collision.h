#pragma once

#include "platform/d3d_vector.h"

// The game's one hit test: do the axis-aligned cubes of half-size ra around a
// and rb around b overlap? Touching faces do not count.
inline bool Collision(const D3DVECTOR& a, float ra, const D3DVECTOR& b, float rb) {
    return b.x + rb > a.x - ra && b.x - rb < a.x + ra &&
           b.y + rb > a.y - ra && b.y - rb < a.y + ra &&
           b.z + rb > a.z - ra && b.z - rb < a.z + ra;
}
