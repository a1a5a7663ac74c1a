#pragma once

#include "world/game_state.h"

// The player's ship is tested as a cube of this half-size against rocks.
constexpr float kSchiffGegenFels = 1.0f;

// An enemy ship is destroyed: typ 20, and its explosion starts in the same
// frame's enemy step. A kill by shot or missile pays the loot, (5 -
// fireInterval) * 5, shows the loot message and sounds "Explosion.wav"; a
// giga bomb destroys without loot and without that sound.
void destroyEnemyShip(GameState& s, Services& services, int slot, bool withLoot);

// Every guard ship (type 7) turns on the player.
void alarmGuards(GameState& s);

// A ship the guards protect: every intact type that is not a pirate.
bool guardedType(int typ);

// The ship is thrown back to where it was at the start of the frame, at a
// fifth of its speed in reverse; "machine.wav" unless told otherwise.
void bounceShip(GameState& s, Services& services, const D3DVECTOR& start, bool withSound = true);
