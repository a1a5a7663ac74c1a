#include <gtest/gtest.h>

#include "stations/shipyard.h"

// The catalogue's prices are pinned with the shipyard's screen in
// tests/ui/station_screens_test.cpp; here is how a row buys and sells.

// Each equipment row buys one unit for its price when the money is above
// its need and the value below its limit, and sells one back for its
// refund above its floor; 16-bit levels stop at their largest value.
TEST(Shipyard, EveryEquipmentRowBuysBetweenItsNeedAndLimitAndSellsDownToItsFloor) {
    for (int row = 4; row < kWerftzeilen; ++row) {
        SCOPED_TRACE(row);
        const Werftangebot& a = kWerftkatalog[static_cast<std::size_t>(row)];
        GameState s;
        s.*a.wert = a.boden;
        s.geld = a.kaufAb;
        EXPECT_FALSE(werftKauf(s, row));
        s.geld = a.kaufAb + 1;
        ASSERT_TRUE(werftKauf(s, row));
        EXPECT_EQ(s.*a.wert, a.boden + 1);
        EXPECT_EQ(s.geld, a.kaufAb + 1 - a.preis);
        s.geld = 0;
        EXPECT_TRUE(werftVerkauf(s, row));
        EXPECT_EQ(s.*a.wert, a.boden);
        EXPECT_EQ(s.geld, a.erloes);
        EXPECT_FALSE(werftVerkauf(s, row));  // at the floor
        s.geld = 1000000;
        s.*a.wert = static_cast<std::uint16_t>(a.grenze - 1);
        EXPECT_TRUE(werftKauf(s, row));
        EXPECT_EQ(s.*a.wert, a.grenze);
        EXPECT_FALSE(werftKauf(s, row));  // at the limit
    }
    EXPECT_EQ(kWerftkatalog[4].grenze, 65535);
    for (int row : {-1, 13, 15, 40000}) {
        GameState s;
        s.geld = 100000;
        EXPECT_FALSE(werftKauf(s, row));
        EXPECT_FALSE(werftVerkauf(s, row));
    }
}

// A gun row fits its gun over any lesser one for the row's price and sells
// only its own gun, down one type; with the positron gun the lesser rows
// neither buy nor sell.
TEST(Shipyard, GunsReplaceLesserOnesAndSellDownOneType) {
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        const Werftangebot& a = kWerftkatalog[static_cast<std::size_t>(row)];
        GameState s;
        s.kanone = 0;
        s.geld = a.kaufAb + 1;
        EXPECT_TRUE(werftKauf(s, row));
        EXPECT_EQ(s.kanone, row + 1);
        EXPECT_EQ(s.geld, a.kaufAb + 1 - a.preis);
        EXPECT_FALSE(werftKauf(s, row));  // the same gun again
        s.geld = 0;
        EXPECT_TRUE(werftVerkauf(s, row));
        EXPECT_EQ(s.kanone, row);
        EXPECT_EQ(s.geld, a.erloes);
        s.kanone = 4;
        s.geld = 100000;
        EXPECT_FALSE(werftKauf(s, row));
        EXPECT_EQ(werftVerkauf(s, row), row == 3);
        EXPECT_EQ(s.kanone, row == 3 ? 3 : 4);
        EXPECT_FALSE(werftVerkauf(s, row));  // nor the gun below its own
    }
}

// A frame buys, then sells, and clicks for each; the wheel does nothing
// here, nor does a row left below the list.
TEST(Shipyard, AFrameBuysThenSellsAndClicksForEach) {
    QuietServices q;
    GameState s;
    s.zeig = 7;
    s.zeigverz = 1;
    s.geld = 1001;
    s.right = s.left = 1;
    shipyardStep(s, q);
    EXPECT_EQ(s.schildspeicher, 1);
    EXPECT_EQ(s.geld, 801);  // the shield storage loses 200 on the way
    EXPECT_EQ(q.sounds, (std::vector<int>{kKlick, kKlick}));
    for (const int zeig : {7, 15}) {
        s.zeig = static_cast<std::uint16_t>(zeig);
        s.zeigverz = 1;
        s.right = s.left = 0;
        s.wheelForward = zeig == 7 ? 1 : 0;
        s.mouseLeft = zeig == 7 ? 0 : 1;
        shipyardStep(s, q);
        EXPECT_EQ(s.zeig, zeig);
        EXPECT_EQ(s.geld, 801);
    }
    EXPECT_EQ(q.sounds.size(), 2u);
}
