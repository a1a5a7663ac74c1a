#pragma once

#include <cstdint>

#include "platform/d3d_vector.h"

// The shot table has 200 slots; new shots only ever take the first 100.
constexpr int kSchussSlots = 200;
constexpr int kSchussFeuerSlots = 100;

constexpr std::int32_t kSpielerSchuss = 1;
constexpr std::int32_t kFeindSchuss = 2;

// A shot in flight, the player's or an enemy's.
struct Shot {
    D3DVECTOR pos;
    D3DVECTOR velocity;  // units per frame
    std::int32_t typ = kSpielerSchuss;
    float life = 0.0f;   // frames left
};
