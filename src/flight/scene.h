#pragma once

#include "platform/assets.h"
#include "platform/meshes.h"
#include "platform/platform.h"
#include "world/game_state.h"

// Whether a point lies strictly inside the cube of half-size SIGHT around
// the camera (around the nearest point of the field while the ship is
// outside it).
bool Visible(const GameState& s, const D3DVECTOR& pos);

// The size of the sun's sphere: largest at the innermost planet.
float sunScale(const Stern& stern, int planetenpos);

// The flight view's 3D picture, in its fixed order: sky, asteroids, the
// mining asteroid, gates, planet, sun, moons, stations, shots, ships and
// their explosions, missiles and the decoy, seen from the frame's camera, with the looks the simulation
// chose.
void drawScene(platform::Platform& p, const Assets& assets, const Meshes& meshes, const GameState& s);
