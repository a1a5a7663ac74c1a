#pragma once

#include "world/game_state.h"

// Every shot in flight moves, then is tested against each station, the
// player's ship (an enemy shot) and each intact enemy ship, all three even
// after a hit, so one shot can strike a station and several ships at once.
// A shot whose life has run out or that hit something is gone afterwards.
void moveShots(GameState& s, Services& services);
