#pragma once

#include <optional>

#include "platform/assets.h"
#include "platform/platform.h"
#include "ui/texte.h"
#include "world/game_state.h"

// The right-hand panel's background, which every mode draws.
void drawPanel(platform::Platform& p, const Assets& assets);

// The flight view's instruments, drawn over the 3D picture: the panel, the
// crosshair, the view and headlight plates, the rows of items carried, the
// shield and gun energy bars, the panel's readings and the event messages
// the frame shows.
void drawCockpit(platform::Platform& p, const Assets& assets, const Texte& texte, const GameState& s);

// The messages that close the flight picture: game over, outside the field,
// and the start hint.
void drawClosingMessages(platform::Platform& p, const Assets& assets, const Texte& texte, const GameState& s);

// The word under "Ruf beim Gegner" for a ranking.
TextId reputationWord(int ranking);

// Sol's body names: planet p, body m; none for bodies without one.
std::optional<TextId> solBodyName(int p, int m);
