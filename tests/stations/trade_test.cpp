#include <gtest/gtest.h>

#include "stations/trade.h"
#include "world/goods.h"

namespace {

constexpr int kUran = 0;
constexpr int kLuxusgut = 15;

// A ship at a trade station whose cursor reads the input in the next frame;
// each good costs 10 more than its row.
GameState amMarkt(int zeile) {
    GameState s;
    s.zeig = static_cast<std::uint16_t>(zeile);
    s.zeigverz = 1;
    for (int ware = 0; ware < kWarenAnzahl; ++ware) preis(s, ware) = 10 + ware;
    return s;
}

}  // namespace

// A sale of one unit comes first, then a purchase: it needs more money than
// the price and room by the load counted before the sale, in 32 bits; the
// purse stops at its largest sum. Each deal clicks.
TEST(Trade, SellingThenBuyingOneUnitAtTheirEdges) {
    using Key = std::int32_t GameState::*;
    struct Case {
        const char* what;
        int ware;
        Key key, also;
        std::int32_t geld;
        std::uint16_t laderaum, vorher, jedeAndere;  // units of the row's good and of each other one
        std::uint16_t nachher;
        std::int32_t geldNachher;
        std::size_t klicks;
    };
    const Case kCases[] = {
        {"the money is exactly the price", kUran, &GameState::right, &GameState::right, 10, 20, 0, 0, 0, 10, 0},
        {"one more than the price", kUran, &GameState::mouseLeft, &GameState::mouseLeft, 11, 20, 0, 0, 1, 1, 1},
        {"a full hold, by the wheel", kLuxusgut, &GameState::wheelForward, &GameState::wheelForward, 1000, 20, 0, 2, 0,
         1000, 0},
        {"nothing aboard to sell", kUran, &GameState::left, &GameState::left, 100, 20, 0, 0, 0, 100, 0},
        {"a full hold sells but buys nothing", kUran, &GameState::left, &GameState::right, 100, 20, 20, 0, 19, 110, 1},
        {"with room sells and buys back", kUran, &GameState::mouseRight, &GameState::wheelForward, 100, 20, 5, 0, 5, 100,
         2},
        {"80000 units aboard, more than 16 bits", kUran, &GameState::right, &GameState::right, 1000, 65535, 5000, 5000,
         5000, 1000, 0},
        {"the purse is full", kUran, &GameState::wheelBack, &GameState::wheelBack, INT32_MAX - 5, 20, 1, 0, 0, INT32_MAX,
         1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        QuietServices q;
        GameState s = amMarkt(c.ware);
        for (int ware = 0; ware < kWarenAnzahl; ++ware) ladung(s, ware) = ware == c.ware ? c.vorher : c.jedeAndere;
        s.laderaum = c.laderaum;
        s.geld = c.geld;
        s.*c.key = s.*c.also = 1;
        tradeStep(s, q);
        EXPECT_EQ(ladung(s, c.ware), c.nachher);
        EXPECT_EQ(s.geld, c.geldNachher);
        EXPECT_EQ(q.sounds.size(), c.klicks);
    }
}

// Only frames whose counter runs out trade; a row left below the list by
// another screen does nothing.
TEST(Trade, OnlyFramesWhoseCounterRunsOutTradeAndRowsBelowTheListDoNothing) {
    QuietServices q;
    GameState s = amMarkt(kUran);
    s.zeigverz = 3;
    s.right = 1;
    for (int frame = 0; frame < 8; ++frame) tradeStep(s, q);
    EXPECT_EQ(ladung(s, kUran), 2);  // frames 3 and 7

    s = amMarkt(16);
    s.right = s.left = 1;
    s.geld = 5000;
    tradeStep(s, q);
    EXPECT_EQ(s.geld, 5000);
}
