#pragma once

#include "platform/assets.h"
#include "platform/meshes.h"
#include "platform/platform.h"
#include "ui/texte.h"
#include "world/game_state.h"

// The star map's picture, from what the frame's step found (picture.karte)
// and the chart positions in stern[].pos.

// The camera over the current system, looking along +z at the chart, the
// view turned by the chart's rotation about its axis.
D3DMATRIX starMapView(const Picture::Sternenkarte& karte);

// Every visible system as a sphere of its type's size and colour, then the
// white marker on the target (unless it is the current system) and the red
// one on the current system. Called inside the scene.
void drawStarMapScene(platform::Platform& p, const Assets& assets, const Meshes& meshes, const GameState& s);

// The panel: where the ship is, where the passengers go, the target's
// properties, the cargo aboard and the money.
void drawStarMapPanel(platform::Platform& p, const Assets& assets, const Texte& texte, const GameState& s);
