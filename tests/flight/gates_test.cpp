#include <gtest/gtest.h>

#include <optional>

#include "flight/flight_step.h"
#include "flight/gates.h"
#include "support/test_world.h"

// The gates' poses and animation lengths are pinned by the runs through
// every planet in tests/tools/pins_test.cpp; here are their rules.

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

void flyInto(GameState& s, const Gate& gate, float speed) {
    s.x = gate.pos.x;
    s.y = gate.pos.y;
    s.z = gate.pos.z;
    s.speed = speed;
}

}  // namespace

// Each gate leads to the next body its way (pinned); the ship comes out 1000
// in front of the gate that leads back, looking away from it, and flies on
// only at a speed of 2 or more.
TEST(Gates, AGateLeadsInFrontOfTheWayBackAndKeepsASpeedFromTwo) {
    for (const auto& [speed, kept] : {std::pair{150.0f, 150.0f}, {2.0f, 2.0f}, {1.5f, 0.0f}, {-50.0f, 0.0f}}) {
        GameState s = emptyLocation(0, 5, 0);
        flyInto(s, *s.aussentor, speed);
        QuietServices quiet(77);
        flightStep(s, quiet);
        EXPECT_EQ(s.planetenpos, 6);
        ASSERT_TRUE(s.sonnentor.has_value());
        EXPECT_EQ(D3DVECTOR(s.x, s.y, s.z) - s.sonnentor->pos, s.blickrichtung * 1000.0f);
        EXPECT_EQ(s.speed, kept) << speed;
        EXPECT_EQ(std::tuple(s.render, quiet.sounds), std::tuple(3, std::vector<int>{kTorsprung}));
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

// The star gate stops the ship, opens the map and reads the sun's mesh
// again (the jump: in the star map test). The jump's sky starts at a field
// of view of 201 and narrows by one radian a frame; after 200 frames the
// ship flies; a count left at 0 or 1 ends at once.
TEST(Gates, TheStarGateOpensTheMapAndTheJumpAnimationEndsAtZero) {
    GameState s = emptyLocation(0, 8, 0);
    ASSERT_TRUE(s.sternentor.has_value());
    flyInto(s, *s.sternentor, 120.0f);
    QuietServices quiet(3);
    flightStep(s, quiet);
    EXPECT_EQ(std::tuple(s.render, s.speed, quiet.sunReloads, quiet.sounds),
              std::tuple(1, 0.0f, 1, std::vector<int>{kTorsprung}));

    for (const int frames : {200, 1, 0}) {
        s.render = 3;
        s.torsprungz = static_cast<std::uint16_t>(frames);
        jumpAnimationStep(s);
        EXPECT_EQ(s.picture.sprungSicht, 1.0f + frames);
        for (int frame = 1; frame < frames; ++frame) {
            ASSERT_EQ(s.render, 3) << frame;
            jumpAnimationStep(s);
        }
        EXPECT_EQ(std::tuple(s.picture.sprungSicht, s.render, s.torsprungz), std::tuple(frames == 0 ? 1.0f : 2.0f, 0, 0));
    }
}

// A stale sun gate at the point where the moon gate comes out: after the
// passage the new location (a moon, which has no sun gate) is what the
// following tests read, so the ship stays at the next moon. At a planet
// there is no way "back a moon".
TEST(Gates, LaterTestsOfTheFrameSeeTheNewLocationsGates) {
    GameState s = emptyLocation(0, 5, 1);
    ASSERT_TRUE(s.mondtor.has_value());
    s.sonnentor.emplace(0);
    s.sonnentor->pos = {-31000, 0, 0};
    flyInto(s, *s.mondtor, 0.0f);
    QuietServices quiet;
    flightStep(s, quiet);
    EXPECT_EQ(s.planetenpos * 10 + s.mondpos, 52);
    EXPECT_FALSE(s.sonnentor.has_value());
    EXPECT_EQ(quiet.sounds.size(), 1u);
    EXPECT_FALSE(emptyLocation(0, 5, 0).planetentor.has_value());
}
