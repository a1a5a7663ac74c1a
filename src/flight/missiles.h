#pragma once

#include "world/game_state.h"

// Every missile turns by chance toward its aim point (the player's ship, or
// the enemy it hunts; an enemy missile goes for the decoy while one is out)
// and flies 100 units along its heading. The player's missile is gone once
// the slot of its prey is empty.
void guideMissiles(GameState& s);

// "EnergyLow.wav" every 50 frames while an enemy missile flies.
void missileWarning(GameState& s, Services& services);

// Enemy missiles that reach the decoy or the ship, then the player's missile
// against the enemy ships, wrecks included.
void missileHits(GameState& s, Services& services);
