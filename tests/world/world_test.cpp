#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "inspector/world_json.h"
#include "support/test_world.h"
#include "world/goods.h"
#include "world/market.h"
#include "world/random.h"

namespace {

// Everything of the player, the location and the fight.
std::string everything(const GameState& s) {
    JsonWriter json;
    writePlayer(json, s);
    writeLocation(json, s, 0);
    writeCombat(json, s);
    return json.str();
}

// Puts the ship at a system's planet without building the location.
void placeAt(GameState& s, int system, int planet, int body) {
    s.sternenpos = static_cast<std::uint16_t>(system);
    s.planetenpos = static_cast<std::uint16_t>(planet);
    s.mondpos = static_cast<std::uint16_t>(body);
}

}  // namespace

// A new game after a game lost deep in a fight far from home, loaded, well
// equipped, with passengers and a mission, is the game a fresh start gives
// (pinned by the runs in tests/tools/pins_test.cpp): nothing of the old one
// stays, and Earth holds the ships of an arrival without the old mission's
// squadron.
TEST(GameState, ANewGameAfterAGameOverIsTheFreshStart) {
    GameState s = freshWorld();
    s.sternenpos = 208, s.planetenpos = 5, s.mondpos = 1, s.kampf = 1, s.geld = 123456, s.kanone = 4;
    s.energielader = s.energiespeicher = s.schildlader = s.schildspeicher = 4, s.laderaum = 90;
    s.lenkraketen = s.beschleuniger = s.gigabomben = s.ecm = 7, s.energie = 0;
    s.schild = 65510;  // wrapped below zero: destroyed
    for (int ware = 0; ware < kWarenAnzahl; ++ware) ladung(s, ware) = 3;
    s.passagiertyp = 8, s.passagierziel = 44, s.raketenwarnz = 17, s.x = 500;
    s.blickrichtung = {0, 0, 1};
    s.aufgabePlanet = 3, s.aufgabeMond = 1, s.missionskampf = true;
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

// The prices of each arrival are pinned with the locations in
// tests/tools/pins_test.cpp; here are the offers' shares and edges.

TEST(PassengerOffer, KindsByShareAndDestinationsNearby) {
    GameState s = freshWorld();
    placeAt(s, 208, 0, 0);  // Aldebaran has neighbours on the sky
    const Stern& here = s.stern[208];
    // The kind comes from the offer's first draw, rand() % 100: over one seed
    // for each of the hundred remainders the shares come out exactly.
    std::array<int, 10> kinds{};
    for (int remainder = 0; remainder < 100; ++remainder) {
        std::uint32_t seed = 0;
        for (;; ++seed) {
            Random probe;
            probe.srand(seed);
            if (probe.rand() % 100 == remainder) break;
        }
        s.rng.srand(seed);
        drawPassengerOffer(s);
        ++kinds[s.passagiere];
        const Stern& there = s.stern[s.pziel];
        ASSERT_NE(s.pziel, 208);
        ASSERT_LT(std::fabs(there.dekl - here.dekl), 20.0f);
        ASSERT_LT(std::fabs(there.rekt - here.rekt), 2.0f);
    }
    // Tourists 30 in a hundred, traders 20, miners and merchants 15 each,
    // soldiers 10, smugglers 3, criminals, revolutionaries and princesses 2
    // each, and 1 who knows what.
    EXPECT_EQ(kinds, (std::array<int, 10>{30, 20, 15, 15, 10, 3, 2, 2, 2, 1}));
}

TEST(PassengerOffer, LonelySystemFallsBackAfterAHundredPasses) {
    GameState s = freshWorld();
    // No other system within reach on the sky.
    for (Stern& st : s.stern) st.dekl = -80.0f;
    s.stern[5].dekl = 80.0f;
    placeAt(s, 5, 0, 0);
    s.rng.srand(4);
    Random expected;
    expected.srand(4);
    expected.rand();  // the kind
    const int fallback = expected.rand() % kSternAnzahl;
    const auto draws = s.rng.draws();
    drawPassengerOffer(s);
    EXPECT_EQ(s.rng.draws() - draws, 2u);
    EXPECT_EQ(s.pziel, fallback);
}

TEST(MissionTarget, AnotherExistingBodyOrNone) {
    GameState s = freshWorld();
    for (int system : {0, 3, 208, 266, 544}) {
        const Stern& st = s.stern[system];
        for (int p = 0; p <= st.planeten; ++p) {
            placeAt(s, system, p, 0);
            for (int i = 0; i < 20; ++i) {
                drawMissionTarget(s);
                const auto [tp, tm] = std::pair(static_cast<int>(s.aufgabeP), static_cast<int>(s.aufgabeM));
                ASSERT_TRUE(st.planet(tp, tm) != 0 && tp + tm != 0 && !(tp == p && tm == 0)) << tp << "/" << tm;
            }
        }
    }

    // A system whose only body is the ship's own: the draw gives up.
    Stern& lonely = s.stern[3];
    for (int p = 0; p < kPlanetZeilen; ++p) {
        for (int m = 0; m < kKoerperSpalten; ++m) lonely.planet.set(p, m, 0);
    }
    lonely.planet.set(4, 0, 7);
    placeAt(s, 3, 4, 0);
    s.aufgabeP = 9;
    drawMissionTarget(s);
    EXPECT_EQ(s.aufgabeP + s.aufgabeM, 0u);
}
