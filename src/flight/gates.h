#pragma once

#include "world/game_state.h"

// Tests the gates in their fixed order and takes the ship through the first
// one it is inside of: to the next moon, back toward the planet, one planet
// inward or outward (a new location and the jump animation), or through the
// star gate onto the star map.
void gatePassages(GameState& s);

// The jump from the star map to another system: arrival at its outermost
// planet, in front of its star gate, with the long jump animation.
void jumpToSystem(GameState& s, int system);

// One frame of the jump animation's count-down; back to flight at its end.
// Returns the field of view of this frame's star sky.
float jumpAnimationStep(GameState& s);
