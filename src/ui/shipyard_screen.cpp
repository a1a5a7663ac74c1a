#include "stations/shipyard.h"
#include "ui/station_screens.h"

using namespace station_layout;

namespace {

constexpr int kAngebotszeilen = 440;  // y of the first offer row

struct Ausruestungszeile {
    int y;
    std::uint16_t GameState::*wert;  // shown on the label's last row
};

// The labels are the texts' Ausruestungszeile group, in this order; the
// accelerator's label takes two rows.
constexpr Ausruestungszeile kAusruestung[] = {
    {152, &GameState::energielader}, {168, &GameState::energiespeicher}, {184, &GameState::schildlader},
    {200, &GameState::schildspeicher}, {232, &GameState::beschleuniger}, {264, &GameState::lenkraketen},
    {280, &GameState::gigabomben},   {296, &GameState::ecm},            {328, &GameState::laderaum},
};
constexpr int kKanonenArten = 5;  // none, then guns 1..4

}  // namespace

void drawShipyardScreen(TextLayer& t, const GameState& s) {
    t.Text(kSpalte, 8, s.aktuellerStern().name);
    t.Text(kSpalte, 24, stationstitel(kWerftstation));
    t.Text(kSpalte, 56, TextId::Ausruestung);
    t.Text(kSpalte, 72, "===============");
    t.Text(kSpalte, 104, TextId::Kanone);
    if (s.kanone < kKanonenArten) t.Text(kSpalte, 120, TextId::Kanonenname + s.kanone);
    for (int zeile = 0; zeile < static_cast<int>(std::size(kAusruestung)); ++zeile) {
        const Ausruestungszeile& z = kAusruestung[zeile];
        const int unter = t.Zeilen(kSpalte, z.y, TextId::Ausruestungszeile + zeile);
        t.Var(kZahlenEnde, unter - kZeile, s.*z.wert);
    }
    t.Text(kSpalte, 376, TextId::ImAngebot);
    t.Text(kSpalte, 392, "===============");
    t.Text(kSpalte, 424, TextId::KanonenImAngebot);
    for (int zeile = 0; zeile < kWerftzeilen; ++zeile) {
        const int y = kAngebotszeilen + kZeile * zeile;
        t.Text(kEinzug, y, kWerftkatalog[zeile].label);
        t.Var(kZahlenEnde, y, static_cast<std::uint32_t>(kWerftkatalog[zeile].preis));
    }
    t.Text(kSpalte, 648, "----------------");
    t.Text(kSpalte, 664, TextId::Geld);
    t.Var(kZahlenEnde, 664, static_cast<std::uint32_t>(s.geld));
    t.Text(kSpalte, kAngebotszeilen + kZeile * s.zeig, "-");
}
