#pragma once

#include "platform/d3d_matrix.h"
#include "world/game_state.h"

// Half the width of the playing field; beyond it the ship is outside.
constexpr float kFeldGrenze = 33000.0f;

// The flight step: combat state and speed limits, the move along last
// frame's forward vector, the field limit, the combat (weapons, shots, enemy
// ships, missiles, rocks), the stations (speed caps, docking
// or bounce), the gates while no enemy attacks, the destruction check and the
// headlight, the spin and the backdrop, then the turn by nick and kipp; the
// scene's camera is taken after it.
void flightStep(GameState& s, Services& services);

// Each flight frame: asteroids and stations spin, and the planet, sun and
// moons are put back at their distance from the ship.
void spinAndPlaceBackdrop(GameState& s);

// Turns the ship's axes by nick about its side axis, then by kipp about its
// (new) up axis. The flight step does it once and the radar once more.
void turnShip(GameState& s);

// The camera of a picture, looking along (or, with backsight -1, against)
// the ship's nose.
D3DMATRIX flightView(const Picture& picture, int backsight);
