#pragma once

#include "platform/assets.h"
#include "platform/platform.h"
#include "ui/texte.h"
#include "world/game_state.h"

// Over the flight view, before the radar: the options menu's fourteen rows
// at x = 100 with the cursor "->" on row zeig while the menu is open, and
// the message of a save or load that did not work while it shows.
void drawOptionsMenu(platform::Platform& p, const Assets& assets, const Texte& texte, const GameState& s);
