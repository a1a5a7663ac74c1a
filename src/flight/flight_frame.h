#pragma once

#include "world/game_state.h"

// The look of a flickering gate: four draws, each of which may pick a rarer
// one; 0..4 for Tor1 .. Tor5.
int flickerDraw(Random& rng);

// Everything a flight frame changes, in the order the frame has always done
// it: the flight step; where the scene is drawn, the flicker of the gates and
// the decoy and the flash; where the cockpit is drawn, its message counters;
// the game-over count-down; the options menu (Abspeichern, which saves and
// loads); and where the radar is drawn,
// the ship's second turn. The frame's picture is drawn afterwards from the state.
void flightFrame(GameState& s, Services& services);
