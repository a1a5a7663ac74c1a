#pragma once

#include "world/game_state.h"

// A frame on the star map: the cockpit's mission target is cleared, and
// Shift or the right mouse button jumps. The map itself is not built yet:
// the jump goes back into the system the ship is in.
void starMapStep(GameState& s, Services& services);
