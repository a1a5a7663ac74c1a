#pragma once

#include <cstdint>

#include "world/game_state.h"
#include "world/passengers.h"

// The fare of a kind; nothing for a kind outside the table.
std::int32_t fahrpreis(int art);

// Whether the traffic station shows its offer: the ship is empty, or its
// passengers have just arrived.
bool angebotSichtbar(const GameState& s);

// One frame at the traffic station, before it is shown: passengers aboard
// whose destination is this system arrive and the fare is set as the frame's
// income; the stories of the arrived kind change a government (on every
// frame they show, to the same result) or cancel the fare once it is shown;
// an offered kind with a destination of its own names it.
void trafficStep(GameState& s);

// Leaving with Return: an empty ship or one whose passengers have arrived
// (paid now) takes the offer; passengers not yet arrived are put off, unpaid.
void passengerExchange(GameState& s);
