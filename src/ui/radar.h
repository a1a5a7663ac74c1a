#pragma once

#include "platform/assets.h"
#include "platform/meshes.h"
#include "platform/platform.h"
#include "world/game_state.h"

// The radar in the top-left corner: its background with black transparent,
// then, from 10000 units behind the ship along its nose, small spheres for
// the gates (blue), stations (white), ships (yellow peaceful, red hostile)
// and the ship itself.
void Radar(platform::Platform& p, const Assets& assets, const Meshes& meshes, const GameState& s,
           const char*& ErrStr);
