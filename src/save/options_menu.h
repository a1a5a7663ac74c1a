#pragma once

#include <array>
#include <optional>

#include "world/game_state.h"
#include "world/texts.h"

// What choosing a row of the options menu does, besides closing it.
enum class Menuaktion { Nichts, Speichern, Laden, Einstellungen };

// A row the cursor reaches: its text (none on a blank row), what choosing it
// does and, to save or load, the slot.
struct Menuzeile {
    std::optional<TextId> text;
    Menuaktion aktion = Menuaktion::Nichts;
    int slot = 0;
};

// The menu's rows from y 164 down, one every 16 pixels, for the rule and
// the screen alike: save to slots 1..4, a blank, load slots 1..4, a blank,
// back to the game, then what came later: load the autosave (slot 0) and
// the settings. Above them the title at y 100, below them how to end the
// game at y 388.
inline constexpr std::array<Menuzeile, 13> kMenuZeilen{{
    {TextId::Speichern + 0, Menuaktion::Speichern, 1},
    {TextId::Speichern + 1, Menuaktion::Speichern, 2},
    {TextId::Speichern + 2, Menuaktion::Speichern, 3},
    {TextId::Speichern + 3, Menuaktion::Speichern, 4},
    {},
    {TextId::Laden + 0, Menuaktion::Laden, 1},
    {TextId::Laden + 1, Menuaktion::Laden, 2},
    {TextId::Laden + 2, Menuaktion::Laden, 3},
    {TextId::Laden + 3, Menuaktion::Laden, 4},
    {},
    {TextId::ZurueckZumSpiel},
    {TextId::AutoLaden, Menuaktion::Laden, 0},
    {TextId::EinstellungenZeile, Menuaktion::Einstellungen},
}};
constexpr int kMenuErsteZeileY = 164;
constexpr int kMenuZeilenhoehe = 16;
constexpr int kMenuTitelY = 100;
constexpr int kMenuFussY = 388;
constexpr int kMenuMeldungY = 420;
constexpr std::uint16_t kMenuLetzteZeile = kMenuZeilen.size() - 1;
constexpr std::int32_t kMenuMeldungFrames = 120;  // how long a message shows

// What the menu says after a choice that did not work (menuMeldung), and
// the text of each.
enum MenuMeldung : std::int32_t {
    kKeineMeldung = 0,
    kMeldungFehlt = 1,
    kMeldungUnlesbar = 2,
    kMeldungBeschaedigt = 3,
    kMeldungNichtGesichert = 4,
    kMeldungAutosave = 5,
};
inline constexpr std::array<TextId, 5> kMeldungstexte{
    TextId::MenuMeldung + 0,  // "Spielstand fehlt"
    TextId::MenuMeldung + 1,  // "Spielstand unlesbar"
    TextId::MenuMeldung + 2,  // "Spielstand beschaedigt"
    TextId::MenuMeldung + 3,  // "Speichern fehlgeschlagen"
    TextId::AutosaveFehlgeschlagen,
};

// A message's text; none for no message or a number that names none.
inline std::optional<TextId> meldungstext(std::int32_t meldung) {
    if (meldung < 1 || meldung > static_cast<std::int32_t>(kMeldungstexte.size())) return std::nullopt;
    return kMeldungstexte[static_cast<std::size_t>(meldung - 1)];
}

// The options menu for one flight frame (where its rows are drawn): counts
// down the message of the last choice; while the menu is open, moves the
// cursor by the shared row cursor, and on Return or a left click closes
// the menu and acts on the row: saves to a slot, or loads one, builds its
// location and puts the ship at its entry point at rest. A load that is
// refused leaves the game exactly as it was and only shows why.
void Abspeichern(GameState& s, Services& services);
