#pragma once

#include "world/game_state.h"

// Units of gun energy and of shield per storage level.
constexpr int kEinheitenJeSpeicher = 7;

// The player's side of the combat step, in the order the flight step runs
// them: recharge, cannon, giga bomb, decoy, guided missile.

// Gun energy and shield fill by one unit whenever their counter, fed by the
// charger level each frame, passes 90 (energy) or 120 (shield), up to 7 units
// per storage level; the cannon's readiness grows by its type.
void recharge(GameState& s);

// While fire is held: one shot from 50 units ahead (behind, looking back),
// 200 units a frame faster than the ship, for one unit of energy. Nothing is
// spent when the first hundred shot slots are all in flight.
void fireCannon(GameState& s, Services& services);

// In combat only: every attacker is destroyed, without loot.
void fireGigaBomb(GameState& s, Services& services);

// In combat, while an enemy missile flies and no decoy is out: a decoy
// 1000 units behind a ship flying forward (ahead of one at rest or reversing).
void launchDecoy(GameState& s);

// In combat, one missile per key press at the attacker in the highest slot.
void launchMissile(GameState& s);

// A hit takes units off the shield. A shield taken below zero reads above
// 65500 (the count has wrapped), however hard the hits of one frame were.
void damageShield(GameState& s, int units);

// The shield has gone below zero: the ship is destroyed.
bool shieldBroken(const GameState& s);
bool shieldBroken(std::uint16_t schild);
