#pragma once

#include "world/game_state.h"

// The ship against the field's rocks, each touch a bounce, then against the
// mining asteroid: a bounce and, with an accelerator aboard and the body
// still marked, 250 credits and the mark cleared in the universe for good.
// Each touch of the mining asteroid shows its message for 120 frames.
void asteroidContacts(GameState& s, Services& services, const D3DVECTOR& start);
