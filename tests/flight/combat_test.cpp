#include <gtest/gtest.h>

#include <cmath>

#include "flight/asteroids.h"
#include "flight/collisions.h"
#include "flight/enemy_ships.h"
#include "flight/flight_step.h"
#include "flight/missiles.h"
#include "flight/shots.h"
#include "flight/weapons.h"
#include "support/arena.h"
#include "support/test_world.h"
#include "world/asteroid.h"
#include "world/ship_types.h"

// The fight's rules at their edges: the weapons, shots, missiles, enemy
// ships and asteroids. How a fight goes frame by frame, with the ships'
// steering and their draws, is pinned by the fight at the Moon
// (tests/flight/combat_pin_test.cpp).

namespace {

Shot& shotAt(GameState& s, int slot, int typ, const D3DVECTOR& pos) {
    Shot& shot = s.schuss[slot].emplace();
    shot.typ = typ;
    shot.pos = pos;
    shot.life = 50.0f;
    return shot;
}

Asteroid rockAt(GameState& s, const D3DVECTOR& pos, float scale) {
    Asteroid a(s.rng);
    a.pos = pos;
    a.scale = scale;
    return a;
}

}  // namespace

// ---------------------------------------------------------------- weapons

// Each charger level adds to its counter every frame; past the threshold
// (90 for energy, 120 for the shield) one unit comes, up to seven units per
// storage level.
TEST(Weapons, RechargeByChargerLevelUpToSevenUnitsPerStorageLevel) {
    using Field = std::uint16_t GameState::*;
    struct Store {
        Field units, lader, speicher;
        int firstFrame;  // of a unit at charger level 1
    };
    const Store kStores[] = {{&GameState::energie, &GameState::energielader, &GameState::energiespeicher, 91},
                             {&GameState::schild, &GameState::schildlader, &GameState::schildspeicher, 121}};
    for (const Store& store : kStores) {
        SCOPED_TRACE(store.firstFrame);
        GameState s = arena();
        s.energie = s.schild = 0;
        int frames = 0;
        for (; s.*store.units == 0; ++frames) recharge(s);
        EXPECT_EQ(frames, store.firstFrame);
        s.*store.lader = 10;
        s.*store.speicher = 4;
        s.*store.units = 26;
        for (int i = 0; i < 1000; ++i) recharge(s);
        EXPECT_EQ(s.*store.units, 28);  // the cap of storage level 4
    }
}

TEST(Weapons, CannonFiresEvery11_6_4_3FramesForOneUnitEach) {
    const int intervals[] = {11, 6, 4, 3};
    for (int kanone = 1; kanone <= 4; ++kanone) {
        GameState s = arena();
        QuietServices quiet;
        s.kanone = static_cast<std::uint16_t>(kanone);
        s.energie = 20;
        s.energielader = 0;
        s.feuer = 1;
        std::vector<int> shotFrames;
        for (int frame = 1; frame <= 30; ++frame) {
            recharge(s);
            const int before = s.energie;
            fireCannon(s, quiet);
            if (s.energie != before) shotFrames.push_back(frame);
        }
        ASSERT_GE(shotFrames.size(), 2u) << kanone;
        EXPECT_EQ(std::pair(shotFrames[0], shotFrames[1] - shotFrames[0]),
                  std::pair(intervals[kanone - 1], intervals[kanone - 1]));
        EXPECT_EQ(s.energie, 20 - static_cast<int>(shotFrames.size()));
        ASSERT_TRUE(s.schuss[0]);
        EXPECT_EQ(std::pair(s.schuss[0]->life, quiet.sounds.front()), std::pair(100.0f * kanone, int{kKanonenschuss}));
    }
}

TEST(Weapons, AShotLeavesAlongTheViewAndAFullTableSpendsNothing) {
    GameState s = arena();
    QuietServices quiet;
    s.speed = 30.0f;
    s.backsight = -1;
    s.feuer = 1;
    s.feuerzaehler = 11;
    fireCannon(s, quiet);
    ASSERT_TRUE(s.schuss[0]);
    // The ship's own speed stays in it.
    EXPECT_EQ(std::tuple(s.schuss[0]->pos, s.schuss[0]->velocity, s.blitz),
              std::tuple(D3DVECTOR(-50, 0, 0), D3DVECTOR(30 - 200, 0, 0), 1));

    for (int slot = 0; slot < kSchussFeuerSlots; ++slot) s.schuss[slot].emplace();
    s.feuerzaehler = 11;
    const auto energie = s.energie;
    fireCannon(s, quiet);
    EXPECT_EQ(std::tuple(s.energie, s.feuerzaehler, s.schuss[kSchussFeuerSlots].has_value()),
              std::tuple(energie, 11, false));

    s.schuss[5].reset();
    s.energie = 0;
    fireCannon(s, quiet);
    EXPECT_FALSE(s.schuss[5]);  // no energy, no shot
}

// The giga bomb destroys every attacker without loot, in combat only
// (the fight at the Moon pins one; out of combat nothing is spent).
TEST(Weapons, GigaBombOnlyInCombatAndWithoutLoot) {
    GameState s = arena();
    QuietServices quiet;
    placeShip(s, 3, kAnfuehrer, {5000, 0, 0});
    placeShip(s, 4, kFrachter, {6000, 0, 0});
    s.gigabomben = s.gigabombKey = 1;
    fireGigaBomb(s, quiet);
    EXPECT_EQ(s.gigabomben, 1);
    s.kampf = 1;
    const auto geld = s.geld;
    fireGigaBomb(s, quiet);
    EXPECT_EQ(std::tuple(s.gigabomben, s.raumschiff[3]->typ, s.raumschiff[4]->typ), std::tuple(0, 20, kFrachter));
    EXPECT_EQ(std::tuple(s.geld, s.beutezaehler), std::tuple(geld, 0));
}

// A decoy only while an enemy missile flies (the player's own does not
// count), one at a time, 1000 behind a ship under way, else ahead.
TEST(Weapons, DecoyOnlyWhileAnEnemyMissileFlies) {
    GameState s = arena();
    s.kampf = s.ecmKey = 1;
    s.ecm = 2;
    s.speed = 10.0f;
    s.rakete[kSpielerRakete].emplace();
    launchDecoy(s);
    EXPECT_EQ(std::tuple(s.dummy.has_value(), s.ecm), std::tuple(false, 2));
    s.rakete[2].emplace();
    launchDecoy(s);
    ASSERT_TRUE(s.dummy);
    EXPECT_EQ(std::tuple(s.dummy->pos, s.dummy->ang), std::tuple(D3DVECTOR(-1000, 0, 0), D3DVECTOR(0, 0, 9000)));
    launchDecoy(s);
    EXPECT_EQ(s.ecm, 1);
    s.dummy.reset();
    s.speed = 0.0f;
    launchDecoy(s);
    EXPECT_EQ(s.dummy->pos, D3DVECTOR(1000, 0, 0));
}

// A missile leaves only with an attacker to hunt (the one in the highest
// slot) and a free launcher; otherwise it stays aboard.
TEST(Weapons, AMissileLeavesOnlyWithAFreeLauncherAndAnAttackerToHunt) {
    GameState s = arena();
    s.kampf = s.missileKey = 1;
    s.lenkraketen = 3;
    launchMissile(s);
    EXPECT_EQ(std::tuple(s.missileKey, s.rakete[kSpielerRakete].has_value(), s.lenkraketen), std::tuple(0, false, 3));
    placeShip(s, 2, kAnfuehrer, {});
    placeShip(s, 9, kJaeger, {});
    placeShip(s, 12, kFrachter, {});
    for (int press = 0; press < 2; ++press) {
        s.missileKey = 1;
        launchMissile(s);
        ASSERT_TRUE(s.rakete[kSpielerRakete]);
        EXPECT_EQ(std::tuple(s.rakete[kSpielerRakete]->targetIndex, s.lenkraketen), std::tuple(9, 2)) << press;
        EXPECT_EQ(s.rakete[kSpielerRakete]->ang, s.blickrichtung);
    }
}

TEST(Weapons, ShieldBelowZeroStaysBrokenHoweverHardTheHits) {
    GameState s = arena();
    s.schild = 1;
    damageShield(s, 1);
    EXPECT_EQ(s.schild, 0);
    EXPECT_FALSE(shieldBroken(s));  // a shield of 0 still flies
    damageShield(s, 1);
    EXPECT_TRUE(shieldBroken(s));
    s.schild = 3;
    for (int i = 0; i < 8; ++i) damageShield(s, 6);  // 48 units in one frame
    EXPECT_TRUE(shieldBroken(s));
}

// ---------------------------------------------------------------- shots, loot and missiles

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
    EXPECT_EQ(quiet.sounds, (std::vector<int>{kTreffer, kTreffer, kTreffer, kAbschuss}));
    EXPECT_EQ(std::tuple(s.raumschiff[5]->hitPoints, s.raumschiff[5]->attacking, s.raumschiff[6]->typ),
              std::tuple(4, true, 20));
    EXPECT_TRUE(s.raumschiff[7]->attacking);
    EXPECT_EQ(std::tuple(s.beute, s.beutezaehler, s.geld, s.schuss[0].has_value()), std::tuple(5, 60, geld + 5, false));
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
        EXPECT_EQ(std::tuple(s.schuss[0].has_value(), s.blitz, s.raumschiff[1]->attacking), std::tuple(false, 1, c.alarm))
            << c.what;
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
    EXPECT_EQ(std::tuple(s.schild, s.schuss[0].has_value(), s.schuss[1].has_value(), s.schuss[2].has_value()),
              std::tuple(2, false, true, true));

    placeShip(s, 0, 9, {-9000, 0, 0}).hitPoints = 1;
    shotAt(s, 3, kFeindSchuss, {-9000, 0, 0});
    const auto geld = s.geld;
    moveShots(s, quiet);
    EXPECT_EQ(s.geld, geld + 20);
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
    EXPECT_EQ(std::tuple(t.rakete[0]->pos, t.rakete[0]->target), std::tuple(D3DVECTOR(0, 100, 0), D3DVECTOR(0, 0, 0)));
}

TEST(Combat, ALargeHitInOneFrameEndsTheGame) {
    GameState s = arena();
    QuietServices quiet;
    s.schild = 3;
    s.geld = 5000;
    for (int n = 0; n < kFeindRaketen; ++n) s.rakete[n].emplace().pos = {0, -100, 0};
    for (int slot = 0; slot < 40; ++slot) shotAt(s, slot, kFeindSchuss, {0, 0, 0});
    flightStep(s, quiet);  // 24 + 40 units: the count would wrap past the window
    EXPECT_EQ(std::tuple(s.gameover, s.schild, s.geld), std::tuple(150, 3, 100));

    // The new game starts with nothing of the old fight in the air.
    s.rakete[1].emplace().pos = {0, -150, 0};
    s.schuss[7].emplace().typ = kFeindSchuss;
    s.schild = 0;
    s.gameover = 0;
    flightStep(s, quiet);
    EXPECT_EQ(std::tuple(s.gameover, s.rakete[1].has_value(), s.schuss[7].has_value()), std::tuple(150, false, false));
}

// ---------------------------------------------------------------- enemy ships

// The enemy distance shown is the nearest attacker's own to the ship, in
// the mean-plane measure: a nearer peaceful ship does not count, and one
// within 1500, which steers at a random point, counts its own distance.
TEST(EnemyShips, TheDistanceShownIsTheNearestAttackersOwn) {
    for (const auto& [x, measure] : {std::pair{3000.0f, 2000.0f}, {1200.0f, 800.0f}}) {
        GameState s = arena();
        s.x = x;
        placeShip(s, 0, kJaeger, {0, 0, 0});
        placeShip(s, 1, kFrachter, {x - 100, 0, 0});
        s.nahfeind = 9999999.0f;
        enemyShips(s);
        EXPECT_FLOAT_EQ(s.nahfeind, measure) << x;
    }
}

// An attacker on top of the player picks a random aim point; put it exactly
// there, so that its way to the aim point has no length.
TEST(EnemyShips, AShipExactlyAtItsAimPointNeitherFiresNorGoesNaN) {
    GameState s = arena();
    placeShip(s, 0, 9, {});
    for (int frame = 0; frame < 200; ++frame) {
        Random peek = s.rng;
        const D3DVECTOR next = fieldPosition(peek);
        s.raumschiff[0]->pos = next;
        s.x = next.x;
        s.y = next.y;
        s.z = next.z;
        enemyShips(s);
        ASSERT_FALSE(s.schuss[0]) << frame;
        EXPECT_EQ(s.nahfeind, 0.0f);
        EXPECT_FALSE(std::isnan(s.raumschiff[0]->pos.x));
    }
}

// ---------------------------------------------------------------- asteroids

TEST(Asteroids, TwoContactsInOneFrameBounceTwice) {
    GameState s = arena();
    QuietServices quiet;
    s.asteroid.push_back(rockAt(s, {100, 0, 0}, 100));   // 1 + 120 reaches 121
    s.asteroid.push_back(rockAt(s, {0, 110, 0}, 100));
    s.asteroid.push_back(rockAt(s, {0, 0, 130}, 100));  // out of reach
    s.speed = 50.0f;
    // Thrown back to where it started the frame, which still touches the
    // second rock.
    asteroidContacts(s, quiet, {0, 100, 0});
    EXPECT_FLOAT_EQ(s.speed, 50.0f * 0.04f);  // reversed twice: the same way, a 25th as fast
    EXPECT_EQ(s.y, 100.0f);
    EXPECT_EQ(quiet.sounds, (std::vector<int>{1, 1}));
}

// Touching the marked asteroid bounces the ship and shows a message for 120
// frames: without an accelerator aboard nothing happens; with one, it is
// placed for 250 and the mark leaves the universe, so a second touch pays
// nothing and the next visit finds no marked asteroid.
TEST(Asteroids, MiningPaysOnceAndClearsTheMarkInTheUniverse) {
    // Saturn's moon Mimas is marked for mining.
    GameState s = freshWorld();
    arrive(s, 0, 5, 1, 1000);
    ASSERT_TRUE(s.bergasteroid);
    s.asteroid.clear();
    const D3DVECTOR rock = s.bergasteroid->pos;
    const auto geld = s.geld;
    // Accelerators aboard before and after, the sound, the message, the pay.
    const std::tuple<int, int, int, int, int> kTouches[] = {
        {0, 0, kAufprall, 3, 0}, {2, 1, kBergbau, 1, 250}, {1, 1, kAufprall, 2, 250}};
    for (const auto& [vorher, nachher, klang, meldung, lohn] : kTouches) {
        SCOPED_TRACE(vorher);
        QuietServices quiet;
        s.beschleuniger = static_cast<std::uint16_t>(vorher);
        s.x = rock.x;
        s.y = rock.y;
        s.z = rock.z;
        s.bergbaumeldungz = 0;
        asteroidContacts(s, quiet, {rock.x - 5000, rock.y, rock.z});
        EXPECT_EQ(std::tuple(s.x, s.bergbaumeldungz, quiet.sounds.back()), std::tuple(rock.x - 5000, 120, klang));
        EXPECT_EQ(std::tuple(s.beschleuniger, s.bergbaumeldung, s.geld), std::tuple(nachher, meldung, geld + lohn));
        EXPECT_EQ((s.stern[0].planet(5, 1) & kBergbauMarke) != 0, lohn == 0);
    }
    arrive(s, 0, 5, 1, 1000);
    EXPECT_FALSE(s.bergasteroid);
}
