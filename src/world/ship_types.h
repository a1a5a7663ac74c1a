#pragma once

#include <cstdint>

#include "platform/d3d_vector.h"

constexpr int kSchiffstypen = 12;

// One of the twelve ship types: what a new ship of the type starts with, how
// it looks (the proportions its mesh is stretched to, and the mesh file), and
// whether it is a pirate, attacking on sight.
struct ShipType {
    std::int32_t hitPoints;
    float scale;                // drawing scale and hit radius
    float speed;                // moves speed / 2 units per frame
    float turnRate;             // agility of the steering
    std::int32_t fireInterval;  // fire chance divisor and loot basis
    bool pirate;
    D3DVECTOR target;           // the first aim point
    D3DVECTOR form;             // stretch of the mesh along x, y and z
    const char* mesh;
};

// Type 1..12; any other number reads as type 1.
const ShipType& shipType(int typ);

bool isPirateType(int typ);
