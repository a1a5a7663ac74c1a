#include <gtest/gtest.h>

#include "stations/shipyard.h"

namespace {

// Each row: what it changes, what a purchase costs and needs, what a sale
// pays back, from a ship with the new game's equipment and one of each
// expendable aboard.
struct Zeile {
    int row;
    std::uint16_t GameState::*wert;
    std::uint16_t vorher, nachKauf;
    std::int32_t preis, kaufAb, erloes;
};

constexpr Zeile kZeilen[] = {
    {4, &GameState::energielader, 1, 2, 800, 799, 800},
    {5, &GameState::energiespeicher, 1, 2, 1000, 999, 1000},
    {6, &GameState::schildlader, 1, 2, 800, 799, 800},
    {7, &GameState::schildspeicher, 1, 2, 1000, 1000, 800},
    {8, &GameState::beschleuniger, 1, 2, 100, 99, 100},
    {9, &GameState::lenkraketen, 1, 2, 50, 49, 50},
    {10, &GameState::ecm, 1, 2, 40, 39, 40},
    {11, &GameState::gigabomben, 1, 2, 200, 799, 800},
    {12, &GameState::laderaum, 20, 21, 1500, 1499, 1500},
};

GameState ausgeruestet() {
    GameState s;
    s.beschleuniger = s.lenkraketen = s.ecm = s.gigabomben = 1;
    return s;
}

}  // namespace

TEST(Shipyard, EveryEquipmentRowBuysAboveItsNeedAndSellsForItsRefund) {
    for (const Zeile& z : kZeilen) {
        SCOPED_TRACE(z.row);
        GameState s = ausgeruestet();
        s.geld = z.kaufAb;
        EXPECT_FALSE(werftKauf(s, z.row));
        EXPECT_EQ(s.*z.wert, z.vorher);
        s.geld = z.kaufAb + 1;
        EXPECT_TRUE(werftKauf(s, z.row));
        EXPECT_EQ(s.*z.wert, z.nachKauf);
        EXPECT_EQ(s.geld, z.kaufAb + 1 - z.preis);
        EXPECT_EQ(kWerftkatalog[z.row].preis, z.preis);  // the price shown is the price paid
        s.geld = 0;
        EXPECT_TRUE(werftVerkauf(s, z.row));
        EXPECT_EQ(s.*z.wert, z.vorher);
        EXPECT_EQ(s.geld, z.erloes);
        // At the floor nothing more is sold.
        if (z.row <= 7 || z.row == 12) {
            EXPECT_FALSE(werftVerkauf(s, z.row));
            EXPECT_EQ(s.geld, z.erloes);
        }
    }
}

TEST(Shipyard, LimitsRefusePurchasesAndSixteenBitLevelsStopAtTheirLargestValue) {
    GameState s;
    s.geld = 1000000;
    s.energiespeicher = s.schildspeicher = 4;
    s.beschleuniger = s.lenkraketen = s.ecm = s.gigabomben = 7;
    for (int row = 5; row <= 11; ++row) {
        if (row == 6) continue;
        EXPECT_FALSE(werftKauf(s, row)) << row;
    }
    s.energielader = s.schildlader = s.laderaum = 65535;
    for (int row : {4, 6, 12}) EXPECT_FALSE(werftKauf(s, row)) << row;
    EXPECT_EQ(s.laderaum, 65535);
    s.energielader = 65534;
    EXPECT_TRUE(werftKauf(s, 4));
    EXPECT_EQ(s.energielader, 65535);
    EXPECT_EQ(s.geld, 1000000 - 800);
    for (int row : {-1, 13, 15, 40000}) {
        EXPECT_FALSE(werftKauf(s, row));
        EXPECT_FALSE(werftVerkauf(s, row));
    }
}

TEST(Shipyard, GunsReplaceLesserOnesAndSellDownOneType) {
    struct Kanone { int row; std::int32_t preis, erloes; };
    constexpr Kanone kKanonen[] = {{0, 1000, 1000}, {1, 2000, 1000}, {2, 4000, 2000}, {3, 8000, 4000}};
    for (const Kanone& k : kKanonen) {
        SCOPED_TRACE(k.row);
        GameState s;
        s.kanone = 0;
        s.geld = k.preis;  // the need is one less than the price
        EXPECT_TRUE(werftKauf(s, k.row));
        EXPECT_EQ(s.kanone, k.row + 1);
        EXPECT_EQ(s.geld, 0);
        EXPECT_FALSE(werftKauf(s, k.row));  // the same gun again
        EXPECT_TRUE(werftVerkauf(s, k.row));
        EXPECT_EQ(s.kanone, k.row);
        EXPECT_EQ(s.geld, k.erloes);
    }

    // With the positron gun, the lesser rows neither buy nor sell.
    GameState s;
    s.kanone = 4;
    s.geld = 100000;
    for (int row = 0; row < 3; ++row) {
        EXPECT_FALSE(werftKauf(s, row));
        EXPECT_FALSE(werftVerkauf(s, row));
    }
    EXPECT_TRUE(werftVerkauf(s, 3));
    EXPECT_EQ(s.kanone, 3);
    EXPECT_EQ(s.geld, 104000);
    EXPECT_FALSE(werftVerkauf(s, 3));  // row 3 sells only the positron gun
}

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
    EXPECT_EQ(q.sounds, (std::vector<int>{5, 5}));

    // The wheel does nothing here; a row left below the list neither.
    s.zeigverz = 1;
    s.right = s.left = 0;
    s.wheelForward = 1;
    shipyardStep(s, q);
    EXPECT_EQ(s.geld, 801);
    s.zeig = 15;
    s.zeigverz = 1;
    s.mouseLeft = 1;
    shipyardStep(s, q);
    EXPECT_EQ(s.zeig, 15);
    EXPECT_EQ(s.geld, 801);
    EXPECT_EQ(q.sounds.size(), 2u);
}
