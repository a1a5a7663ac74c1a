#pragma once

#include "world/game_state.h"

// A flight frame with the options menu open. Saving and loading are not built
// yet: the menu only says so, and Return or a left click closes it again, so
// that the arrows and the mouse steer once more.
void optionsMenuStep(GameState& s);
