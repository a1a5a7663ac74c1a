#pragma once

#include "platform/assets.h"
#include "platform/platform.h"
#include "world/game_state.h"

// The screens that are not built yet. Each says so, and how to go on, so
// that nobody is stuck in them.

// The star map: the panel, and a way back into the system.
void drawStarMapPlaceholder(platform::Platform& p, const Assets& assets);

// The screen of the station docked at: its name on the panel, and the way
// out.
void drawStationPlaceholder(platform::Platform& p, const Assets& assets, const GameState& s);
