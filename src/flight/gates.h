#pragma once

#include "world/game_state.h"

// Tests the gates in their fixed order and takes the ship through the first
// one it is inside of: to the next moon, back toward the planet, one planet
// inward or outward (a new location and the jump animation), or through the
// star gate onto the star map.
void gatePassages(GameState& s, Services& services);

// The jump from the star map to another system: arrival at its outermost
// planet, in front of its star gate, with the long jump animation.
void jumpToSystem(GameState& s, Services& services, int system);

// One frame of the jump animation: this frame's field of view for the star
// sky (one radian more than the frames left), then the count-down; back to
// flight at its end.
void jumpAnimationStep(GameState& s);
