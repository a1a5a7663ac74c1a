#pragma once

#include <cstdint>

#include "platform/d3d_vector.h"
#include "world/random.h"
#include "world/ship_types.h"

constexpr int kRaumschiffSlots = 50;

// Another ship of the location: passing traffic, a station's ship or a pirate.
struct EnemyShip {
    D3DVECTOR pos;
    D3DVECTOR ang;        // Euler angles of the body, also the steering state
    D3DVECTOR direction;  // heading of the last step
    D3DVECTOR target;     // aim point
    std::int32_t hitPoints = 0;
    float scale = 0.0f;     // drawing scale and hit radius
    float speed = 0.0f;     // moves speed / 2 units per frame
    float turnRate = 0.0f;  // agility of the steering
    std::int32_t fireInterval = 0;  // fire chance divisor and loot basis
    std::int32_t typ = 0;   // 1..12 intact; 20..100 destroyed and exploding
    bool attacking = false;

    // A ship of type 1..12 at a random place, with its type's values: six
    // draws.
    EnemyShip(int typ, Random& rng);
};
