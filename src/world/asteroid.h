#pragma once

#include <cstdint>

#include "platform/d3d_vector.h"
#include "world/random.h"

// A rock of the asteroid field, or the mining asteroid. Its collision
// half-size is 1.2 * scale.
struct Asteroid {
    D3DVECTOR pos;
    D3DVECTOR ang;
    float scale = 0.0f;
    float rotationX = 0.0f;  // spin per frame about each axis
    float rotationY = 0.0f;
    float rotationZ = 0.0f;
    std::int32_t textur = 1;  // 1..4

    // Draws its values from the generator: 13 draws, in a fixed order.
    explicit Asteroid(Random& rng);
};

// One axis of a random position in the field, -30000..29998.
inline float fieldCoordinate(Random& rng) {
    return static_cast<float>(rng.rand() % 30000 * 2 - 30000);
}

inline D3DVECTOR fieldPosition(Random& rng) {
    const float x = fieldCoordinate(rng);
    const float y = fieldCoordinate(rng);
    const float z = fieldCoordinate(rng);
    return {x, y, z};
}
