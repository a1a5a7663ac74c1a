#pragma once

#include "world/game_state.h"

// The combat half of the flight step, after the ship's move: recharge,
// cannon, giga bomb, decoy, missile launch, shots, enemy ships, missile
// guidance, the missile warning, missile hits, then the rocks. start is
// where the ship was at the start of the frame, for bounces.
void combatStep(GameState& s, Services& services, const D3DVECTOR& start);
