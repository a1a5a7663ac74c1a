#pragma once

#include "world/game_state.h"

// The seed of a location's scenery.
inline unsigned locationSeed(int sternenpos, int planetenpos, int mondpos) {
    return static_cast<unsigned>(sternenpos * 50 + planetenpos * 10 + 1 + mondpos);
}

// Builds the contents of the location (sternenpos, planetenpos, mondpos):
// the scenery from the location's seed, so it is the same on every visit,
// then traffic, pirates, prices and offers from the clock, so they differ on
// every arrival. The caller sets the ship's pose.
void Create_newCube(GameState& s, Services& services);

// Puts a ship of the type in the lowest free slot; with all 50 slots taken
// nothing is created and nothing is drawn.
void addShip(GameState& s, int typ);
