#pragma once

#include "world/game_state.h"
#include "world/services.h"

// The station the ship is docked at; null when nStation names no station.
const Station* dockedStation(const GameState& s);

// The rules of a docked frame, before its picture: the frame's income
// cleared, the station model turned on, and the step of the station's
// screen (cursor and trading, the passengers' arrival, the mission). A
// frame whose nStation names no station goes back to flight instead.
void dockedStep(GameState& s, Services& services);

// After the picture has been presented: Shift or the right button leaves
// any station, paying passengers who have arrived and sending them off;
// Return or the left button leaves the traffic station with the passenger
// exchange. Leaving puts the ship in front of the station, outside its
// docking range, at rest.
void leaveStation(GameState& s);
