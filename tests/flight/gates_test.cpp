#include <gtest/gtest.h>

#include <optional>

#include "flight/flight_step.h"
#include "flight/gates.h"
#include "support/test_world.h"

namespace {

// A location with nothing in it but its gates, the ship in front of none.
GameState emptyLocation(int system, int planet, int body) {
    GameState s = freshWorld();
    arrive(s, system, planet, body, 5);
    for (auto& station : s.station) station.reset();
    for (auto& ship : s.raumschiff) ship.reset();
    s.nick = s.kipp = 0.0f;
    return s;
}

struct Arrival {
    const char* gate;
    int system, planet, body;         // where the ship passes it
    std::optional<Gate> GameState::*slot;
    int toPlanet, toBody;             // where it comes out
    D3DVECTOR blick, auf, seite, pos;
    int frames;
};

// Each gate leads to the body next to this one; the ship comes out 1000 in
// front of the gate that leads back, looking away from it.
const Arrival kArrivals[] = {
    {"mondtor", 0, 5, 1, &GameState::mondtor, 5, 2, {1, 0, 0}, {0, 1, 0}, {0, 0, -1}, {-31000, 0, 0}, 60},
    {"planetentor", 0, 5, 2, &GameState::planetentor, 5, 1, {-1, 0, 0}, {0, -1, 0}, {0, 0, -1}, {31000, 0, 0}, 60},
    {"sonnentor", 0, 5, 0, &GameState::sonnentor, 4, 0, {0, 0, 1}, {0, 1, 0}, {1, 0, 0}, {0, 0, -31000}, 120},
    {"aussentor", 0, 5, 0, &GameState::aussentor, 6, 0, {0, 0, -1}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 31000}, 120},
};

void flyInto(GameState& s, const Gate& gate, float speed) {
    s.x = gate.pos.x;
    s.y = gate.pos.y;
    s.z = gate.pos.z;
    s.speed = speed;
}

}  // namespace

TEST(Gates, EveryGateArrivesInItsPoseAndAnimation) {
    for (const Arrival& a : kArrivals) {
        SCOPED_TRACE(a.gate);
        for (const auto& [speed, kept] : {std::pair{150.0f, 150.0f}, {1.5f, 0.0f}, {-50.0f, 0.0f}}) {
            GameState s = emptyLocation(a.system, a.planet, a.body);
            ASSERT_TRUE((s.*a.slot).has_value());
            flyInto(s, *(s.*a.slot), speed);
            QuietServices quiet(77);
            flightStep(s, quiet);
            EXPECT_EQ(s.sternenpos, a.system);
            EXPECT_EQ(s.planetenpos, a.toPlanet);
            EXPECT_EQ(s.mondpos, a.toBody);
            EXPECT_EQ(s.blickrichtung, a.blick);
            EXPECT_EQ(s.aufrichtung, a.auf);
            EXPECT_EQ(s.xAchse, a.seite);
            EXPECT_EQ(D3DVECTOR(s.x, s.y, s.z), a.pos);
            EXPECT_EQ(s.speed, kept);
            EXPECT_EQ(s.render, 3);
            EXPECT_EQ(s.torsprungz, a.frames);
            EXPECT_EQ(quiet.sounds, std::vector<int>{4});
        }
    }
}

TEST(Gates, NoGateWorksWhileAPirateAttacks) {
    GameState s = emptyLocation(0, 5, 0);
    s.raumschiff[3].emplace(6, s.rng);
    flyInto(s, *s.aussentor, 10.0f);
    QuietServices quiet;
    flightStep(s, quiet);
    EXPECT_EQ(s.planetenpos, 5);
    EXPECT_EQ(s.render, 0);
    EXPECT_TRUE(quiet.sounds.empty());
}

TEST(Gates, TheStarGateOpensTheMapAndTheJumpArrivesInFrontOfTheNext) {
    GameState s = emptyLocation(0, 8, 0);
    ASSERT_TRUE(s.sternentor.has_value());
    flyInto(s, *s.sternentor, 120.0f);
    QuietServices quiet(3);
    flightStep(s, quiet);
    EXPECT_EQ(s.render, 1);
    EXPECT_EQ(s.speed, 0.0f);
    EXPECT_EQ(quiet.sunReloads, 1);
    EXPECT_EQ(quiet.sounds, std::vector<int>{4});

    // From the map to Aldebaran, whose outermost planet is 17; the body index
    // stays as it was.
    s.mondpos = 0;
    jumpToSystem(s, quiet, kAldebaran);
    EXPECT_EQ(s.sternenpos, kAldebaran);
    EXPECT_EQ(s.planetenpos, 17);
    EXPECT_TRUE(s.sternentor.has_value());
    EXPECT_EQ(s.blickrichtung, D3DVECTOR(0, 0, 1));
    EXPECT_EQ(s.aufrichtung, D3DVECTOR(0, 1, 0));
    EXPECT_EQ(s.xAchse, D3DVECTOR(1, 0, 0));
    EXPECT_EQ(D3DVECTOR(s.x, s.y, s.z), D3DVECTOR(0, 0, -30000));
    EXPECT_EQ(s.render, 3);
    EXPECT_EQ(s.torsprungz, 200);

    // The animation's sky starts at a field of view of 201 and narrows by one
    // radian a frame; after 200 frames the ship flies.
    jumpAnimationStep(s);
    EXPECT_EQ(s.picture.sprungSicht, 201.0f);
    for (int frame = 1; frame < 200; ++frame) {
        ASSERT_EQ(s.render, 3) << frame;
        jumpAnimationStep(s);
    }
    EXPECT_EQ(s.picture.sprungSicht, 2.0f);
    EXPECT_EQ(s.render, 0);
    EXPECT_EQ(s.torsprungz, 0);
}

TEST(Gates, LaterTestsOfTheFrameSeeTheNewLocationsGates) {
    // A stale sun gate at the point where the moon gate comes out: after the
    // passage the new location (a moon, which has no sun gate) is what the
    // following tests read, so the ship stays at the next moon.
    GameState s = emptyLocation(0, 5, 1);
    ASSERT_TRUE(s.mondtor.has_value());
    s.sonnentor.emplace(0);
    s.sonnentor->pos = {-31000, 0, 0};
    flyInto(s, *s.mondtor, 0.0f);
    QuietServices quiet;
    flightStep(s, quiet);
    EXPECT_EQ(s.planetenpos, 5);
    EXPECT_EQ(s.mondpos, 2);
    EXPECT_FALSE(s.sonnentor.has_value());
    EXPECT_EQ(s.torsprungz, 60);
    EXPECT_EQ(quiet.sounds.size(), 1u);

    // At a planet (body 0) there is no way "back a moon", whatever the row.
    GameState planet = emptyLocation(0, 5, 0);
    EXPECT_FALSE(planet.planetentor.has_value());
    EXPECT_TRUE(planet.mondtor.has_value());
}

TEST(Gates, TheJumpAnimationNeverCountsBelowZero) {
    GameState s = emptyLocation(0, 5, 0);
    s.render = 3;
    s.torsprungz = 0;  // a state loaded or left like this
    jumpAnimationStep(s);
    EXPECT_EQ(s.torsprungz, 0);
    EXPECT_EQ(s.render, 0);
    s.render = 3;
    s.torsprungz = 1;
    jumpAnimationStep(s);
    EXPECT_EQ(s.picture.sprungSicht, 2.0f);
    EXPECT_EQ(s.render, 0);
}
