#pragma once

#include "world/game_state.h"

// Open space at Earth: no stations, ships, gates or rocks, the ship at the
// centre at rest, looking along +x.
GameState arena();

// Puts a ship of a type into a slot at a place.
EnemyShip& placeShip(GameState& s, int slot, int typ, const D3DVECTOR& pos);
