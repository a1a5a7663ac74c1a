#pragma once

#include "platform/assets.h"
#include "platform/meshes.h"
#include "platform/platform.h"
#include "ui/text.h"
#include "world/game_state.h"

// The docked picture: the station's model turning in the left 768 x 768,
// the panel on the right with the screen of the station's kind, and the
// leave line below the model. It reads the state the frame's rules left.

// The 3D view: the model of the station docked at, seen from 1500 in front,
// flattened as in flight and drawn with the flight view's station texture.
void drawStationModel(platform::Platform& p, const Assets& assets, const Meshes& meshes, const GameState& s);

// The panel with its texts and the leave line.
void drawStationPanel(platform::Platform& p, const Assets& assets, const Texte& texte, const GameState& s);

// The panel's columns, shared by the four screens.
namespace station_layout {
constexpr int kSpalte = 776;    // text column; also where the row cursor stands
constexpr int kEinzug = 792;    // indented rows
constexpr int kZahlenEnde = 1000;  // last digit of a number
constexpr int kZeile = 16;
}  // namespace station_layout

// The four screens, each drawing its panel text.
void drawTradeScreen(TextLayer& t, const GameState& s);
void drawShipyardScreen(TextLayer& t, const GameState& s);
void drawTrafficScreen(TextLayer& t, const GameState& s);
void drawCombatScreen(TextLayer& t, const GameState& s);
