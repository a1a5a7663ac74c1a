#include "stations/trade.h"
#include "ui/station_screens.h"
#include "world/goods.h"

using namespace station_layout;

namespace {
constexpr int kPreiszeilen = 104;  // y of the first price row
constexpr int kLadezeilen = 424;   // y of the first cargo row
}  // namespace

void drawTradeScreen(TextLayer& t, const GameState& s) {
    t.Text(kSpalte, 8, s.aktuellerStern().name);
    t.Text(kSpalte, 24, stationstitel(kHandelsstation));
    t.Text(kSpalte, 56, TextId::PreiseFuerWaren);
    t.Text(kSpalte, 72, "================");
    for (int ware = 0; ware < kWarenAnzahl; ++ware) {
        const int y = kPreiszeilen + kZeile * ware;
        t.Text(kSpalte, y, kWaren[ware].name);
        t.Var(kZahlenEnde, y, static_cast<std::uint32_t>(preis(s, ware)));
    }
    t.Text(kSpalte, 376, TextId::LadungAnBord);
    t.Text(kSpalte, 392, "================");
    for (int ware = 0; ware < kWarenAnzahl; ++ware) {
        const int y = kLadezeilen + kZeile * ware;
        t.Text(kEinzug, y, kWaren[ware].name);
        t.Var(kZahlenEnde, y, ladung(s, ware));
    }
    t.Text(kSpalte, 680, "----------------");
    t.Text(kSpalte, 696, TextId::Ladung);
    t.Var(kZahlenEnde, 696, static_cast<std::uint32_t>(ladungSumme(s)));
    t.Text(kSpalte, 728, TextId::Geld);
    t.Var(kZahlenEnde, 728, static_cast<std::uint32_t>(s.geld));
    t.Text(kSpalte, kLadezeilen + kZeile * s.zeig, "-");
}
