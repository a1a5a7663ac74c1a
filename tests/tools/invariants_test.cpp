#include <gtest/gtest.h>

#include <cmath>

#include "soak/invariants.h"
#include "support/test_world.h"

// The checker the soak relies on: a new game holds every rule, and each kind
// of fault it is there to find is found.
TEST(Invariants, ANewGameHoldsAndEachFaultIsFound) {
    GameState s = freshWorld();
    EXPECT_EQ(checkInvariants(s), std::vector<std::string>{});

    const auto breaks = [](void (*spoil)(GameState&)) {
        GameState t = freshWorld();
        spoil(t);
        return checkInvariants(t).size();
    };
    EXPECT_EQ(breaks([](GameState& t) { t.geld = -1; }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.lenkraketen = 8; }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.passagiertyp = 10; }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.sternenpos = 545; }), 2u);  // no system, so no body
    EXPECT_EQ(breaks([](GameState& t) { t.mondpos = 9; }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.zeig = 16; }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.render = 4; }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.schild = 65535; }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.blickrichtung.y = std::nanf(""); }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.asteroid[4999].ang.z = INFINITY; }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.asteroid.pop_back(); }), 1u);
    EXPECT_EQ(breaks([](GameState& t) {
        t.raumschiff[49].emplace(3, t.rng);
        t.raumschiff[49]->pos.x = std::nanf("");
    }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.schuss[100].emplace(); }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.schuss[0].emplace().typ = 3; }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.schuss[0].emplace().life = 401.0f; }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.rakete[0].emplace().targetIndex = 3; }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.rakete[kSpielerRakete].emplace().targetIndex = kZielSpieler; }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.rakete[1].emplace().direction.x = std::nanf(""); }), 1u);
    EXPECT_EQ(breaks([](GameState& t) { t.dummy.emplace().explode = 101; }), 1u);
    EXPECT_EQ(breaks([](GameState& t) {
        t.render = 2;
        t.nStation = 4;
    }), 1u);
}
