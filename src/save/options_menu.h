#pragma once

#include "world/game_state.h"

// The rows of the options menu: save to slots 1..4, a blank, load slots
// 1..4, a blank, back to the game, and a row with nothing on it.
constexpr std::uint16_t kMenuLetzteZeile = 11;
constexpr std::int32_t kMenuMeldungFrames = 120;  // how long a message shows

// What the menu says after a choice that did not work (menuMeldung).
enum MenuMeldung : std::int32_t {
    kKeineMeldung = 0,
    kMeldungFehlt = 1,           // "Spielstand fehlt"
    kMeldungUnlesbar = 2,        // "Spielstand unlesbar"
    kMeldungBeschaedigt = 3,     // "Spielstand beschaedigt"
    kMeldungNichtGesichert = 4,  // "Speichern fehlgeschlagen"
};

// The options menu for one flight frame (where its rows are drawn): counts
// down the message of the last choice; while the menu is open, moves the
// cursor by the shared row cursor, and on Return or a left click closes
// the menu and acts on the row: saves to a slot, or loads one, builds its
// location and puts the ship at its entry point at rest. A load that is
// refused leaves the game exactly as it was and only shows why.
void Abspeichern(GameState& s, Services& services);
