#pragma once

#include "world/game_state.h"

// The location's sixteen prices, drawn on every arrival (sixteen draws).
void setMarketPrices(GameState& s);

// The passenger group waiting at the traffic station: its kind, then its
// destination, a system near the current one on the sky.
void drawPassengerOffer(GameState& s);

// The combat station's mission target: another body of the current system,
// never (0, 0); (0, 0) when the system has no such body.
void drawMissionTarget(GameState& s);
