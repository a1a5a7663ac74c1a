#include "stations/shipyard.h"
#include "ui/station_screens.h"

using namespace station_layout;

namespace {

constexpr int kAngebotszeilen = 440;  // y of the first offer row

constexpr GameText kKanonenName[] = {
    "keine~", "Laserkanone~", "Ionenkanone~", "Photonenkanone~", "Positronenkanone~",
};

struct Ausruestungszeile {
    int y;
    GameText label;
    std::uint16_t GameState::*wert;  // null: a label without a value
};

constexpr Ausruestungszeile kAusruestung[] = {
    {152, "Kanonenlader~", &GameState::energielader},
    {168, "K.-Speicher~", &GameState::energiespeicher},
    {184, "Schildlader~", &GameState::schildlader},
    {200, "S.-Speicher~", &GameState::schildspeicher},
    {232, "Asteroiden-~", nullptr},
    {248, "beschlg.   ~", &GameState::beschleuniger},
    {264, "Lenkraketen~", &GameState::lenkraketen},
    {280, "Gigabomben~", &GameState::gigabomben},
    {296, "Raketenabwehr~", &GameState::ecm},
    {328, "Laderaum~", &GameState::laderaum},
};

}  // namespace

void drawShipyardScreen(TextLayer& t, const GameState& s) {
    t.Text(kSpalte, 8, s.aktuellerStern().name);
    t.Text(kSpalte, 24, GameText("Werftstation~"));
    t.Text(kSpalte, 56, GameText("Ausruestung   :~"));
    t.Text(kSpalte, 72, GameText("===============~"));
    t.Text(kSpalte, 104, GameText("Kanone :~"));
    if (s.kanone < std::size(kKanonenName)) t.Text(kSpalte, 120, kKanonenName[s.kanone]);
    for (const Ausruestungszeile& z : kAusruestung) {
        t.Text(kSpalte, z.y, z.label);
        if (z.wert) t.Var(kZahlenEnde, z.y, s.*z.wert);
    }
    t.Text(kSpalte, 376, GameText("Im Angebot    :~"));
    t.Text(kSpalte, 392, GameText("===============~"));
    t.Text(kSpalte, 424, GameText("Kanonen   :~"));
    for (int zeile = 0; zeile < kWerftzeilen; ++zeile) {
        const int y = kAngebotszeilen + kZeile * zeile;
        t.Text(kEinzug, y, kWerftkatalog[zeile].label);
        t.Var(kZahlenEnde, y, static_cast<std::uint32_t>(kWerftkatalog[zeile].preis));
    }
    t.Text(kSpalte, 648, GameText("----------------~"));
    t.Text(kSpalte, 664, GameText("Geld :~"));
    t.Var(kZahlenEnde, 664, static_cast<std::uint32_t>(s.geld));
    t.Text(kSpalte, kAngebotszeilen + kZeile * s.zeig, GameText("-~"));
}
