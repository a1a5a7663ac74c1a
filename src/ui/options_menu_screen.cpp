#include "ui/options_menu_screen.h"

#include <array>

#include "save/options_menu.h"
#include "ui/text.h"

namespace {

constexpr int kSpalte = 100;
constexpr int kErsteZeileY = 164;  // row 0; each row 16 pixels lower
constexpr int kZeilenhoehe = 16;

struct Zeile {
    int y;
    GameText text;
};

// Row 11 at y 340 has nothing drawn on it.
constexpr std::array<Zeile, 13> kZeilen{{
    {100, "         Spieloptionen       ~"},
    {164, "  Spielstand in Slot1 sichern~"},
    {180, "  Spielstand in Slot2 sichern~"},
    {196, "  Spielstand in Slot3 sichern~"},
    {212, "  Spielstand in Slot4 sichern~"},
    {228, "  ~"},
    {244, "  Spielstand aus Slot1 laden~"},
    {260, "  Spielstand aus Slot2 laden~"},
    {276, "  Spielstand aus Slot3 laden~"},
    {292, "  Spielstand aus Slot4 laden~"},
    {308, "  ~"},
    {324, "  Zurueck zum Spiel~"},
    {356, "    [Esc] = Spiel beenden~"},
}};

constexpr int kMeldungY = 388;

// Indexed by menuMeldung; blanks to the width of the longest.
constexpr std::array<GameText, 5> kMeldungen{
    "~",
    "  Spielstand fehlt          ~",
    "  Spielstand unlesbar       ~",
    "  Spielstand beschaedigt    ~",
    "  Speichern fehlgeschlagen  ~",
};

}  // namespace

void drawOptionsMenu(platform::Platform& p, const Assets& assets, const GameState& s) {
    TextLayer text(p, assets.zeichensatz);
    if (s.abspeichern) {
        for (const Zeile& z : kZeilen) text.Text(kSpalte, z.y, z.text);
        text.Text(kSpalte, kErsteZeileY + kZeilenhoehe * s.zeig, GameText("->~"));
    }
    if (s.menuMeldungz > 0 && s.menuMeldung > 0 && s.menuMeldung < static_cast<int>(kMeldungen.size())) {
        text.Text(kSpalte, kMeldungY, kMeldungen[static_cast<std::size_t>(s.menuMeldung)]);
    }
}
