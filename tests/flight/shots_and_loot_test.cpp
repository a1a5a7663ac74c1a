#include <gtest/gtest.h>

#include "flight/collisions.h"
#include "flight/flight_step.h"
#include "flight/missiles.h"
#include "flight/shots.h"
#include "support/arena.h"
#include "world/ship_types.h"

namespace {

Shot& shotAt(GameState& s, int slot, int typ, const D3DVECTOR& pos) {
    Shot& shot = s.schuss[slot].emplace();
    shot.typ = typ;
    shot.pos = pos;
    shot.life = 50.0f;
    return shot;
}

}  // namespace

TEST(Shots, OneShotHitsAStationAndTwoShipsInThatOrder) {
    GameState s = arena();
    QuietServices quiet;
    Station& station = s.station[0].emplace();
    station.pos = {10000, 0, 0};
    placeShip(s, 5, 1, {10000, 0, 0});   // peaceful: its hit alarms the guards
    placeShip(s, 6, 8, {10000, 0, 0}).hitPoints = 1;  // a pirate: this hit kills it
    placeShip(s, 7, 7, {-20000, 0, 0});  // a guard far away
    shotAt(s, 0, kSpielerSchuss, {9900, 0, 0}).velocity = {100, 0, 0};
    const auto geld = s.geld;

    moveShots(s, quiet);
    EXPECT_EQ(quiet.sounds, (std::vector<int>{7, 7, 7, 9}));
    EXPECT_EQ(s.raumschiff[5]->hitPoints, 4);
    EXPECT_TRUE(s.raumschiff[5]->attacking);
    EXPECT_EQ(s.raumschiff[6]->typ, 20);
    EXPECT_TRUE(s.raumschiff[7]->attacking);
    EXPECT_EQ(s.beute, 5);
    EXPECT_EQ(s.beutezaehler, 60);
    EXPECT_EQ(s.geld, geld + 5);
    EXPECT_FALSE(s.schuss[0]);
}

// A player's shot that hits a station, or a ship the guards protect without
// destroying it, calls the guards; the fatal shot and a pirate's hit do not.
TEST(Shots, WhichHitsCallTheGuards) {
    struct Case {
        const char* what;
        int typ, hitPoints;  // typ 0: a station
        bool alarm;
    };
    const Case kCases[] = {{"a station", 0, 0, true},
                           {"a peaceful ship", kFrachter, 5, true},
                           {"a peaceful ship's last hit point", kFrachter, 1, false},
                           {"a pirate", kJaeger, 4, false}};
    for (const Case& c : kCases) {
        GameState s = arena();
        QuietServices quiet;
        if (c.typ == 0) s.station[3].emplace().pos = {5000, 0, 0};
        if (c.typ != 0) placeShip(s, 0, c.typ, {5000, 0, 0}).hitPoints = c.hitPoints;
        placeShip(s, 1, kWache, {-20000, 0, 0});
        shotAt(s, 0, kSpielerSchuss, {5000, 0, 0});
        moveShots(s, quiet);
        EXPECT_FALSE(s.schuss[0]) << c.what;
        EXPECT_EQ(s.blitz, 1) << c.what;
        EXPECT_EQ(s.raumschiff[1]->attacking, c.alarm) << c.what;
    }
}

TEST(Shots, EnemyShotsCostOneShieldUnitAndCanKillAnEnemyForThePlayersLoot) {
    GameState s = arena();
    QuietServices quiet;
    s.schild = 3;
    shotAt(s, 0, kFeindSchuss, {540, 0, 0});  // 540 apart is a hit, 550 is not
    shotAt(s, 1, kFeindSchuss, {0, 550, 0});
    shotAt(s, 2, kSpielerSchuss, {0, 0, 100});  // the player's own shots pass
    moveShots(s, quiet);
    EXPECT_EQ(s.schild, 2);
    EXPECT_FALSE(s.schuss[0]);
    EXPECT_TRUE(s.schuss[1]);
    EXPECT_TRUE(s.schuss[2]);

    placeShip(s, 0, 9, {-9000, 0, 0}).hitPoints = 1;
    shotAt(s, 3, kFeindSchuss, {-9000, 0, 0});
    const auto geld = s.geld;
    moveShots(s, quiet);
    EXPECT_EQ(s.geld, geld + 20);
}

TEST(Loot, ByFireIntervalOfTheType) {
    // fireInterval 1, 2, 3, 4 pay 20, 15, 10, 5.
    for (const auto& [typ, beute] : {std::pair{kSchlachtschiff, 20}, {kTanker, 15}, {kFrachter, 10}, {kAnfuehrer, 5}}) {
        GameState s = arena();
        QuietServices quiet;
        placeShip(s, 0, typ, {});
        destroyEnemyShip(s, quiet, 0, true);
        EXPECT_EQ(s.beute, beute) << typ;
        EXPECT_EQ(quiet.sounds, std::vector<int>{kAbschuss});
    }
    GameState rich = arena();
    QuietServices quiet;
    rich.geld = INT32_MAX - 3;
    placeShip(rich, 0, 9, {});
    destroyEnemyShip(rich, quiet, 0, true);
    EXPECT_EQ(rich.geld, INT32_MAX);
    destroyEnemyShip(rich, quiet, 1, true);  // an empty slot: nothing to destroy
    EXPECT_EQ(quiet.sounds.size(), 1u);
}

TEST(Missiles, APlayersMissileWhosePreyIsGoneStoresNothingButStillDraws) {
    GameState s = arena();
    Missile& missile = s.rakete[kSpielerRakete].emplace();
    missile.targetIndex = 7;
    const auto draws = s.rng.draws();
    guideMissiles(s);
    EXPECT_FALSE(s.rakete[kSpielerRakete]);
    EXPECT_EQ(s.rng.draws(), draws + 1);

    // An enemy missile exactly at its aim point: no way to go, still its draw.
    GameState t = arena();
    t.rakete[0].emplace();
    const auto before = t.rng.draws();
    guideMissiles(t);
    EXPECT_EQ(t.rng.draws(), before + 1);
    ASSERT_TRUE(t.rakete[0]);
    EXPECT_EQ(t.rakete[0]->pos, D3DVECTOR(0, 100, 0));
    EXPECT_EQ(t.rakete[0]->target, D3DVECTOR(0, 0, 0));
}

TEST(Combat, ALargeHitInOneFrameEndsTheGame) {
    GameState s = arena();
    QuietServices quiet;
    s.schild = 3;
    s.geld = 5000;
    for (int n = 0; n < kFeindRaketen; ++n) s.rakete[n].emplace().pos = {0, -100, 0};
    for (int slot = 0; slot < 40; ++slot) shotAt(s, slot, kFeindSchuss, {0, 0, 0});
    flightStep(s, quiet);  // 24 + 40 units: the count would wrap past the window
    EXPECT_EQ(s.gameover, 150);
    EXPECT_EQ(s.schild, 3);
    EXPECT_EQ(s.geld, 100);

    // The new game starts with nothing of the old fight in the air.
    s.rakete[1].emplace().pos = {0, -150, 0};
    s.schuss[7].emplace().typ = kFeindSchuss;
    s.schild = 0;
    s.gameover = 0;
    flightStep(s, quiet);
    EXPECT_EQ(s.gameover, 150);
    EXPECT_FALSE(s.rakete[1]);
    EXPECT_FALSE(s.schuss[7]);
}
