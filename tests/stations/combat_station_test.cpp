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

TEST(CombatStation, VisitingAcceptsTheMissionAndADemocracyCancelsIt) {
    QuietServices q;
    for (int regierung = 0; regierung < 7; ++regierung) {
        GameState s = amKampf(regierung);
        dockedStep(s, q);
        EXPECT_EQ(s.aufgabePlanet, 4) << regierung;
        EXPECT_EQ(s.aufgabeMond, 2) << regierung;
    }
    GameState s = amKampf(7);
    dockedStep(s, q);
    EXPECT_EQ(s.aufgabePlanet, 0);
    EXPECT_EQ(s.aufgabeMond, 0);
}

TEST(CombatStation, ArrivingAtTheTargetCellMakesItsKillsTheMissionFight) {
    GameState s = freshWorld();
    s.aufgabePlanet = 3;
    s.aufgabeMond = 1;
    arrive(s, 0, 3, 1, 77);
    EXPECT_TRUE(s.missionskampf);
    arrive(s, 0, 3, 0, 77);
    EXPECT_FALSE(s.missionskampf);
    s.aufgabePlanet = 3;
    s.aufgabeMond = 0;  // no squadron comes, but the cell is still the target
    arrive(s, 0, 3, 0, 77);
    EXPECT_TRUE(s.missionskampf);
    s.aufgabePlanet = s.aufgabeMond = 0;
    arrive(s, 0, 0, 0, 77);  // no mission is no target, not the cell A0
    EXPECT_FALSE(s.missionskampf);
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
