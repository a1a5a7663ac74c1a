#pragma once

#include "world/game_state.h"

// A world as the game makes it at start-up, with the clock at 1000. Building
// one takes a few milliseconds; tests that only read it share one copy.
const GameState& sharedWorld();

// A fresh copy of the shared world that a test may change.
GameState freshWorld();

// Moves the ship to a location and builds it with the given clock.
void arrive(GameState& s, int system, int planet, int body, std::uint32_t clock);
