#pragma once

#include "world/game_state.h"

// A frame at a station: Shift or the right mouse button leaves it, putting
// the ship in front of the station, outside its docking range, at rest.
void dockedStep(GameState& s);
