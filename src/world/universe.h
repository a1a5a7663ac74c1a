#pragma once

#include <vector>

#include "world/game_state.h"

// Fills the catalogue fields of every system from the star catalogue.
void Einlesen_Sterne(std::vector<Stern>& stern);

// Creates the 545 systems and draws their bodies and properties. The
// generator must not have been seeded: the same draws give the same universe
// on every start.
void buildUniverse(GameState& s);

// The world part of start-up, in order: the 5000 asteroid records (13 draws
// each), the universe, then a new game at Earth.
void createWorld(GameState& s, Services& services);
