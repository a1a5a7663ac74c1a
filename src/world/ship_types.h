#pragma once

#include <cstdint>

#include "platform/d3d_vector.h"

// The twelve ship types by the part they play: passing traffic, the
// stations' shuttle and guard, and the pirates (the leader of every pirate
// group, fighters, missile carriers, the heavy ship and the interceptor).
enum Schiffstyp : int {
    kFrachter = 1,
    kTransporter = 2,
    kKurier = 3,
    kJaeger = 4,
    kTanker = 5,
    kRaketenjaeger = 6,
    kWache = 7,
    kAnfuehrer = 8,
    kSchlachtschiff = 9,
    kAbfangjaeger = 10,
    kYacht = 11,
    kShuttle = 12,
};
constexpr int kSchiffstypen = 12;

// What a new ship of a type starts with, how it looks (the proportions its
// mesh is stretched to, and the mesh file) and how it fights.
struct ShipType {
    std::int32_t hitPoints;
    float scale;                // drawing scale and hit radius
    float speed;                // moves speed / 2 units per frame
    float turnRate;             // agility of the steering
    std::int32_t fireInterval;  // fire chance divisor and loot basis
    bool pirate;                // attacks on sight
    bool raketen;               // launches missiles while attacking
    D3DVECTOR target;           // the first aim point
    D3DVECTOR form;             // stretch of the mesh along x, y and z
    const char* mesh;
};

// Type 1..12; any other number reads as type 1.
const ShipType& shipType(int typ);

bool isPirateType(int typ);
