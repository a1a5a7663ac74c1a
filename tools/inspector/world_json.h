#pragma once

#include "inspector/json_writer.h"
#include "world/game_state.h"

// The whole universe: every system's catalogue fields, body table and
// properties.
void writeUniverse(JsonWriter& json, const GameState& s);

// The ship and its player: place, pose, money, equipment, energy, cargo,
// passengers, mission and the frame's mode.
void writePlayer(JsonWriter& json, const GameState& s);

// Everything the current location holds after it was built.
void writeLocation(JsonWriter& json, const GameState& s, std::uint32_t clock);

// What fights at the location: the ships with their steering state, the
// shots, missiles and the decoy in flight, and the weapons' counters.
void writeCombat(JsonWriter& json, const GameState& s);
