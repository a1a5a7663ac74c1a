#pragma once

#include "world/game_state.h"

// The star map: a flat chart of the catalogue around the current system,
// turned and zoomed with the arrows and the mouse. The star straight above
// the current one on the screen is the target; Shift or the right mouse
// button jumps there.

// A system's place on the chart: right ascension across, declination up,
// all on the plane z = 400. Southern declinations lose their fraction.
D3DVECTOR kartenPosition(const Stern& stern);

// Whether a system lies in the window around the current one that the
// camera at zKarte shows (the window widens as the camera backs away; the
// right ascension does not wrap round at 0/24 hours).
bool imSichtfenster(const Stern& stern, const Stern& aktuell, float zKarte);

// The chart's on-screen up direction, in chart coordinates.
D3DVECTOR suchrichtung(float rotateKarte);

// The target: from 200 chart units above the current system down to 15, in
// steps of 5, every system (seen or not) within 6 of the search point on
// both axes becomes the target, so the nearest and, at equal distance, the
// highest index wins. The current system when nothing lies there. Reads the
// chart positions in stern[].pos.
int zielsuche(const GameState& s, const D3DVECTOR& mitte, const D3DVECTOR& richtung);

// A frame on the star map: the mission target is cleared, the chart turns
// and zooms by the steering flags, the chart positions and the target are
// found and kept in picture.karte for the drawing, and Shift or the right
// mouse button jumps to the target.
void starMapStep(GameState& s, Services& services);
