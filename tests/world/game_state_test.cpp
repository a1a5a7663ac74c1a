#include <gtest/gtest.h>

#include "inspector/world_json.h"
#include "support/test_world.h"
#include "world/goods.h"

namespace {

// Everything of the player, the location and the fight.
std::string everything(const GameState& s) {
    JsonWriter json;
    writePlayer(json, s);
    writeLocation(json, s, 0);
    writeCombat(json, s);
    return json.str();
}

}  // namespace

// A new game after a game lost deep in a fight far from home, loaded, well
// equipped, with passengers and a mission, is the game a fresh start gives
// (pinned by the runs in tests/tools/pins_test.cpp): nothing of the old one
// stays, and Earth holds the ships of an arrival without the old mission's
// squadron.
TEST(GameState, ANewGameAfterAGameOverIsTheFreshStart) {
    GameState s = freshWorld();
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
    s.x = 500;
    s.blickrichtung = {0, 0, 1};
    s.aufgabePlanet = 3;
    s.aufgabeMond = 1;
    s.missionskampf = true;
    s.rakete[2].emplace();
    s.schuss[7].emplace();
    QuietServices quiet(1000);
    Start_newGame(s, quiet);

    GameState fresh = freshWorld();
    QuietServices again(1000);
    Start_newGame(fresh, again);
    EXPECT_EQ(everything(s), everything(fresh));
    EXPECT_FALSE(s.missionskampf);
    EXPECT_EQ(s.geld, 100);
    EXPECT_TRUE(s.station[kHandelsstation].has_value());
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
