#pragma once

#include <cstdint>

#include "platform/d3d_vector.h"

// Slots 0..3 hold the enemies' missiles, slot 4 the player's one.
constexpr int kRaketenSlots = 5;
constexpr int kFeindRaketen = 4;
constexpr int kSpielerRakete = 4;

// targetIndex of a missile that hunts the player's ship; 0..49 name an
// enemy slot.
constexpr std::int32_t kZielSpieler = 100;

// A guided missile: it flies 100 units a frame along its body's heading and
// turns its body toward the aim point by chance.
struct Missile {
    D3DVECTOR pos;
    D3DVECTOR ang;        // Euler angles of the body
    D3DVECTOR direction;  // heading of the last step
    D3DVECTOR target;     // last aim point
    std::int32_t targetIndex = kZielSpieler;
};
