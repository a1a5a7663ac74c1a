#include <gtest/gtest.h>

#include "stations/trade.h"
#include "world/goods.h"

namespace {

constexpr int kUran = 0;
constexpr int kLuxusgut = 15;

// A ship at a trade station whose cursor reads the input in the next frame.
GameState amMarkt(int zeile) {
    GameState s;
    s.zeig = static_cast<std::uint16_t>(zeile);
    s.zeigverz = 1;
    for (int ware = 0; ware < kWarenAnzahl; ++ware) preis(s, ware) = 10 + ware;
    return s;
}

void handeln(GameState& s, QuietServices& q) { tradeStep(s, q); }

}  // namespace

TEST(Trade, BuyingNeedsMoreMoneyThanThePriceAndRoomInTheHold) {
    QuietServices q;
    GameState s = amMarkt(kUran);
    s.right = 1;
    s.geld = preis(s, kUran);  // exactly the price: refused
    handeln(s, q);
    EXPECT_EQ(ladung(s, kUran), 0);
    EXPECT_EQ(s.geld, 10);
    EXPECT_TRUE(q.sounds.empty());

    s = amMarkt(kUran);
    s.mouseLeft = 1;
    s.geld = 11;
    handeln(s, q);
    EXPECT_EQ(ladung(s, kUran), 1);
    EXPECT_EQ(s.geld, 1);
    EXPECT_EQ(q.sounds, std::vector<int>{5});

    // A full hold buys nothing, not even by the wheel.
    s = amMarkt(kLuxusgut);
    s.wheelForward = 1;
    s.geld = 1000;
    s.laderaum = 20;
    ladung(s, 3) = 20;
    handeln(s, q);
    EXPECT_EQ(ladung(s, kLuxusgut), 0);
    EXPECT_EQ(s.geld, 1000);
}

TEST(Trade, SellingTakesOneUnitAndAFullHoldOnlySellsInTheFrameOfBoth) {
    QuietServices q;
    GameState s = amMarkt(kUran);
    s.left = 1;
    handeln(s, q);  // nothing aboard: nothing sold, no click
    EXPECT_EQ(s.geld, 100);
    EXPECT_TRUE(q.sounds.empty());

    s = amMarkt(kUran);
    s.laderaum = 20;
    ladung(s, kUran) = 20;  // full
    s.left = s.right = 1;
    handeln(s, q);
    EXPECT_EQ(ladung(s, kUran), 19);  // the load before the sale was full
    EXPECT_EQ(s.geld, 110);
    EXPECT_EQ(q.sounds.size(), 1u);

    // With room, Left and Right together sell and buy back: no net change.
    s = amMarkt(kUran);
    ladung(s, kUran) = 5;
    s.mouseRight = 1;
    s.wheelForward = 1;
    handeln(s, q);
    EXPECT_EQ(ladung(s, kUran), 5);
    EXPECT_EQ(s.geld, 100);
}

TEST(Trade, OnlyFramesWhoseCounterRunsOutTradeAndRowsBelowTheListDoNothing) {
    QuietServices q;
    GameState s = amMarkt(kUran);
    s.zeigverz = 3;
    s.right = 1;
    for (int frame = 0; frame < 8; ++frame) handeln(s, q);
    EXPECT_EQ(ladung(s, kUran), 2);  // frames 3 and 7

    s = amMarkt(16);  // left there by the options menu
    s.right = s.left = 1;
    s.geld = 5000;
    handeln(s, q);
    EXPECT_EQ(s.geld, 5000);
}

TEST(Trade, TheLoadIsCountedInThirtyTwoBitsAndIncomeStopsAtThePursesLimit) {
    QuietServices q;
    GameState s = amMarkt(kUran);
    for (int ware = 0; ware < kWarenAnzahl; ++ware) ladung(s, ware) = 5000;
    s.laderaum = 65535;
    EXPECT_EQ(ladungSumme(s), 80000);
    s.right = 1;
    s.geld = 1000;
    handeln(s, q);  // 80000 units aboard: no room, whatever 16 bits would say
    EXPECT_EQ(ladung(s, kUran), 5000);

    s = amMarkt(kUran);
    ladung(s, kUran) = 1;
    preis(s, kUran) = 1000;
    s.geld = INT32_MAX - 10;
    s.left = 1;
    handeln(s, q);
    EXPECT_EQ(s.geld, INT32_MAX);
}
