#pragma once

#include <cstdint>

#include "world/game_state.h"

// Frames the cockpit tells the player that the mission is done.
constexpr std::int32_t kMissionsmeldungFrames = 150;

// The extra loot of each kill in the mission fight.
constexpr std::int32_t kMissionsbeute = 50;

// One frame at the combat station, before it is shown: visiting it accepts
// the government's mission for the target offered here; a democracy has
// none and cancels any mission pending.
void combatStationStep(GameState& s);

// Called by the kill code after an enemy ship has been destroyed (its typ
// set to the explosion's) and the ordinary loot paid. In the mission fight
// the kill pays 50 more, shown with the loot; the kill that leaves no pirate
// and no attacker intact at the location wins the fight: the mission ends
// and the cockpit says so for a moment.
void missionKill(GameState& s);
