#include "stations/trade.h"

#include "stations/row_cursor.h"
#include "world/goods.h"

std::int32_t ladungSumme(const GameState& s) {
    std::int32_t summe = 0;
    for (int ware = 0; ware < kWarenAnzahl; ++ware) summe += ladung(s, ware);
    return summe;
}

void tradeStep(GameState& s, Services& services) {
    if (!rowCursorStep(s, kLetzteWarenzeile)) return;
    if (s.zeig > kLetzteWarenzeile) return;  // left below the list by another screen
    const int ware = s.zeig;
    const std::int32_t summe = ladungSumme(s);
    if (s.left || s.mouseRight || s.wheelBack) {
        if (ladung(s, ware) > 0) {
            ladung(s, ware) -= 1;
            addIncome(s, preis(s, ware));
            services.Sound(kKlick);
        }
    }
    if ((s.right || s.mouseLeft || s.wheelForward) && summe < s.laderaum) {
        if (s.geld > preis(s, ware)) {
            ladung(s, ware) += 1;
            s.geld -= preis(s, ware);
            services.Sound(kKlick);
        }
    }
}
