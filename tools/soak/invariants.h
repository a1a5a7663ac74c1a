#pragma once

#include <string>
#include <vector>

#include "world/game_state.h"

// What must hold after every frame, whatever the player did: every count,
// level, slot, index and the money within its range, every position and
// angle a number. Returns one line per broken rule, empty when all hold.
// New records of the state get their rules here.
std::vector<std::string> checkInvariants(const GameState& s);
