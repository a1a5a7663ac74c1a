#pragma once

#include "app/app.h"

// One frame: the preparation every frame shares, then the mode blocks in the
// fixed order flight, star map, docked, gate jump. Each block that finds its
// mode first simulates, then draws its picture from the state and shows it;
// a block that switches to a later mode lets that block run in the same
// frame.
void render_frame(App& app);

// The picture of a paused game: the last frame's, from the state, with
// "Pause" over it; drawn afresh a few times a second, the loop idling
// between.
void drawPausePicture(App& app);

// Plays sound effect 1..9: a new effect cuts off the one playing, except the
// missile warning (3), which is dropped while any effect plays.
void playEffect(platform::Platform& p, int n);
