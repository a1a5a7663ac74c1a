#pragma once

#include "world/game_state.h"

// Every ship of the location, in slot order: an attacker aims at the
// player; an intact ship steers by chance toward its aim point, notes how
// near it is (nahfeind) and may fire a shot or a missile; every ship, intact
// or a drifting wreck, moves half its speed along its heading; a wreck's
// explosion counts up until the slot is emptied after typ 100.
void enemyShips(GameState& s);
