#include <gtest/gtest.h>

#include "stations/combat_station.h"
#include "stations/docking.h"
#include "support/test_world.h"
#include "world/ship_types.h"

namespace {

GameState amKampf(int regierung) {
    GameState s = freshWorld();
    s.sternenpos = 11;
    s.stern[11].eigenschaften = static_cast<std::uint16_t>((s.stern[11].eigenschaften & ~7) | regierung);
    s.render = 2;
    s.nStation = kKampfstation;
    s.station[kKampfstation] = Station{};
    s.station[kKampfstation]->typ = kKampfstation;
    s.aufgabeP = 4;
    s.aufgabeM = 2;
    s.aufgabePlanet = 9;
    s.aufgabeMond = 1;
    return s;
}

EnemyShip schiff(int typ, bool attacking) {
    Random rng;
    EnemyShip ship(typ, rng);
    ship.attacking = attacking;
    return ship;
}

}  // namespace

// A visit accepts the offered mission, except in a democracy, which cancels
// the one shown.
TEST(CombatStation, VisitingAcceptsTheMissionAndADemocracyCancelsIt) {
    QuietServices q;
    for (int regierung = 0; regierung < 8; ++regierung) {
        GameState s = amKampf(regierung);
        dockedStep(s, q);
        EXPECT_EQ(s.aufgabePlanet * 10 + s.aufgabeMond, regierung < 7 ? 42 : 0) << regierung;
    }
}

// Arriving at the target cell makes its kills the mission fight, also a
// cell in column 0 (which brings no squadron); no mission is no target,
// not the cell A0.
TEST(CombatStation, ArrivingAtTheTargetCellMakesItsKillsTheMissionFight) {
    const std::tuple<int, int, int, int, bool> kArrivals[] = {
        {3, 1, 3, 1, true}, {3, 1, 3, 0, false}, {3, 0, 3, 0, true}, {0, 0, 0, 0, false}};
    for (const auto& [planet, mond, at, body, fight] : kArrivals) {
        GameState s = freshWorld();
        s.aufgabePlanet = planet;
        s.aufgabeMond = mond;
        arrive(s, 0, at, body, 77);
        EXPECT_EQ(s.missionskampf, fight) << planet << mond << " at " << at << body;
    }
}

TEST(CombatStation, EachMissionKillPaysFiftyMoreAndTheLastAttackerEndsTheMission) {
    GameState s;
    s.aufgabePlanet = 3;
    s.aufgabeMond = 1;
    s.beute = 20;
    s.geld = 120;
    missionKill(s);  // not the mission fight: nothing
    EXPECT_EQ(s.beute, 20);
    EXPECT_EQ(s.geld, 120);

    s.missionskampf = true;
    s.raumschiff[0] = schiff(8, false);   // a pirate not yet attacking
    s.raumschiff[1] = schiff(7, false);   // a peaceful guard
    s.raumschiff[2] = schiff(8, false);
    s.raumschiff[2]->typ = 20;            // the one just destroyed
    missionKill(s);
    EXPECT_EQ(s.beute, 70);
    EXPECT_EQ(s.geld, 170);
    EXPECT_EQ(s.aufgabePlanet, 3);  // a pirate is left
    EXPECT_EQ(s.missionsmeldungz, 0);

    s.raumschiff[0]->typ = 25;
    s.raumschiff[1]->attacking = true;  // the guard joined the fight
    missionKill(s);
    EXPECT_EQ(s.aufgabePlanet, 3);
    s.raumschiff[1].reset();
    s.geld = INT32_MAX - 1;
    missionKill(s);
    EXPECT_EQ(s.geld, INT32_MAX);
    EXPECT_EQ(s.aufgabePlanet, 0);
    EXPECT_EQ(s.aufgabeMond, 0);
    EXPECT_FALSE(s.missionskampf);
    EXPECT_EQ(s.missionsmeldungz, kMissionsmeldungFrames);
    s.beute = 5;
    missionKill(s);  // the mission is over: ordinary loot again
    EXPECT_EQ(s.beute, 5);
}
