#pragma once

#include <cstdint>

#include "world/game_state.h"

// The row cursor of the trade station, the shipyard and the options menu:
// one counter for all three, so a held key or the mouse moves the cursor one
// row every fourth frame. Returns true in a frame in which the counter ran
// out and the input was read (up, then down); only then may a screen act on
// the row `zeig`.
bool rowCursorStep(GameState& s, std::uint16_t letzteZeile);
