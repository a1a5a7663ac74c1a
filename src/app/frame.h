#pragma once

#include "app/app.h"

// One frame: the preparation every frame shares, then the mode blocks in the
// fixed order flight, star map, docked, gate jump. Each block tests render
// afresh, so a block that switches to a later mode lets that block run in
// the same frame after its own picture was shown.
void render_frame(App& app);

// Plays sound effect 1..9: a new effect cuts off the one playing, except the
// missile warning (3), which is dropped while any effect plays.
void playEffect(platform::Platform& p, int n);

// Connects the game's requests (sound, lights) to the platform.
void connectHooks(App& app);
