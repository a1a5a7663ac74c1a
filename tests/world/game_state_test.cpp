#include <gtest/gtest.h>

#include "support/test_world.h"
#include "world/goods.h"
#include "world/ship_types.h"

TEST(GameState, NewGameAfterAGameOverInCombat) {
    GameState s = freshWorld();
    // A ship deep in a fight far from home, loaded and well equipped.
    s.sternenpos = 208;
    s.planetenpos = 5;
    s.mondpos = 1;
    s.kampf = 1;
    s.geld = 123456;
    s.kanone = 4;
    s.energielader = s.energiespeicher = s.schildlader = s.schildspeicher = 4;
    s.laderaum = 90;
    s.lenkraketen = s.beschleuniger = s.gigabomben = s.ecm = 7;
    s.energie = 0;
    s.schild = 65510;  // wrapped below zero: destroyed
    for (int ware = 0; ware < kWarenAnzahl; ++ware) ladung(s, ware) = 3;
    s.passagiertyp = 8;
    s.passagierziel = 44;
    s.raketenwarnz = 17;
    s.x = 500; s.y = -20; s.z = 7;
    s.blickrichtung = {0, 0, 1};
    s.aufgabePlanet = 3;
    s.aufgabeMond = 1;

    QuietServices quiet(1000);
    Start_newGame(s, quiet);

    EXPECT_EQ(s.sternenpos, 0);
    EXPECT_EQ(s.planetenpos, 2);
    EXPECT_EQ(s.mondpos, 0);
    EXPECT_EQ(s.kampf, 0);
    EXPECT_EQ(s.geld, 100);
    EXPECT_EQ(s.kanone, 1);
    EXPECT_EQ(s.energielader + s.energiespeicher + s.schildlader + s.schildspeicher, 4);
    EXPECT_EQ(s.laderaum, 20);
    EXPECT_EQ(s.lenkraketen + s.beschleuniger + s.gigabomben + s.ecm, 0);
    EXPECT_EQ(s.energie, 3);
    EXPECT_EQ(s.schild, 3);
    for (int ware = 0; ware < kWarenAnzahl; ++ware) EXPECT_EQ(ladung(s, ware), 0) << ware;
    EXPECT_EQ(s.passagiertyp, kKeinePassagiere);
    EXPECT_EQ(s.passagierziel, 0);
    EXPECT_EQ(s.raketenwarnz, 2);
    EXPECT_EQ(s.x + s.y + s.z, 0.0f);
    EXPECT_EQ(s.blickrichtung, D3DVECTOR(1, 0, 0));
    EXPECT_EQ(s.aufrichtung, D3DVECTOR(0, 1, 0));
    EXPECT_EQ(s.xAchse, D3DVECTOR(0, 0, -1));
    EXPECT_EQ(computeRanking(s), 8);
    // Earth's location was built: its market is open.
    EXPECT_TRUE(s.station[kHandelsstation].has_value());
    EXPECT_GT(s.uran, 0);
    // The old game's mission is gone with it.
    EXPECT_EQ(s.aufgabePlanet, 0);
    EXPECT_EQ(s.aufgabeMond, 0);
    EXPECT_FALSE(s.missionskampf);
}

// A new game after a game with a mission starts in peace: Earth holds the
// ships of an arrival without a mission, and none of them is a pirate.
TEST(GameState, ANewGameAfterAMissionStartsInPeace) {
    GameState strong = freshWorld();
    strong.kanone = 4;
    strong.energielader = strong.schildlader = 10;
    strong.aufgabePlanet = 3;
    strong.aufgabeMond = 1;
    GameState built = strong;
    built.aufgabePlanet = built.aufgabeMond = 0;
    QuietServices quiet(4321);
    arrive(built, 0, 2, 0, 4321);
    Start_newGame(strong, quiet);
    for (int slot = 0; slot < kRaumschiffSlots; ++slot) {
        EXPECT_EQ(strong.raumschiff[slot].has_value(), built.raumschiff[slot].has_value()) << slot;
        if (strong.raumschiff[slot] && built.raumschiff[slot]) {
            EXPECT_EQ(strong.raumschiff[slot]->typ, built.raumschiff[slot]->typ) << slot;
            EXPECT_FALSE(isPirateType(strong.raumschiff[slot]->typ)) << slot;
        }
    }
    EXPECT_EQ(strong.kanone, 1);
}

TEST(GameState, NewGameKeepsOnlyAForwardSpeedOfTwoOrMore) {
    GameState s = freshWorld();
    const std::pair<float, float> cases[] = {{5.0f, 5.0f}, {2.0f, 2.0f}, {1.5f, 0.0f}, {-30.0f, 0.0f}};
    for (const auto& [before, after] : cases) {
        s.speed = before;
        QuietServices quiet;
        Start_newGame(s, quiet);
        EXPECT_EQ(s.speed, after) << "speed " << before;
    }
}
