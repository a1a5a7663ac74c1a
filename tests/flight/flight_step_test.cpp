#include <gtest/gtest.h>

#include <cmath>

#include "flight/flight_frame.h"
#include "flight/flight_step.h"
#include "support/test_world.h"

namespace {

// A ship at Earth with the location emptied of stations and ships.
GameState emptySpace() {
    GameState s = freshWorld();
    for (auto& st : s.station) st.reset();
    for (auto& ship : s.raumschiff) ship.reset();
    s.mondtor.reset();
    s.aussentor.reset();
    s.sonnentor.reset();
    return s;
}

// v turned about the unit axis k by a, the way the game's rotation matrix
// turns row vectors.
D3DVECTOR turned(const D3DVECTOR& v, const D3DVECTOR& k, float a) {
    return v * std::cos(a) + crossProduct(v, k) * std::sin(a) + k * (dotProduct(k, v) * (1 - std::cos(a)));
}

void step(GameState& s) {
    QuietServices quiet;
    flightStep(s, quiet);
}

}  // namespace

TEST(Flight, SpeedLimitsInFlightAndInCombat) {
    GameState s = emptySpace();
    s.speed = 250.0f;
    step(s);
    EXPECT_EQ(s.speed, 200.0f);
    EXPECT_FLOAT_EQ(s.x, 200.0f);  // moved along last frame's forward vector
    EXPECT_EQ(s.kampf, 0);

    s.speed = -250.0f;
    step(s);
    EXPECT_EQ(s.speed, -200.0f);

    s.raumschiff[7].emplace(4, s.rng);  // a pirate
    s.speed = 100.0f;
    step(s);
    EXPECT_EQ(s.speed, 40.0f);
    EXPECT_EQ(s.kampf, 1);
    s.speed = -100.0f;
    step(s);
    EXPECT_EQ(s.speed, -40.0f);
}

TEST(Flight, StationsCapSpeedByDistanceAndDockInPeace) {
    // The ship flies along y past a station that lies dx to its side.
    const std::pair<float, float> cases[] = {
        {6000.0f, 180.0f}, {4000.0f, 150.0f}, {3000.0f, 100.0f}, {2000.0f, 75.0f},
        {1200.0f, 33.0f},  {800.0f, 20.0f},   {550.0f, 12.0f},
    };
    for (const auto& [dx, limit] : cases) {
        GameState s = emptySpace();
        s.station[1] = Station{};
        s.station[1]->pos = {dx, 0, 0};
        s.blickrichtung = {0, 1, 0};
        s.aufrichtung = {0, 0, 1};
        s.xAchse = {1, 0, 0};
        s.speed = 180.0f;
        step(s);
        EXPECT_EQ(s.speed, limit) << "station " << dx << " away";
        EXPECT_EQ(s.render, 0);
    }

    GameState s = emptySpace();
    s.station[1] = Station{};
    s.station[1]->pos = {390, 0, 0};
    s.speed = -30.0f;  // backing into it: no cap, but it docks
    step(s);
    EXPECT_EQ(s.speed, -30.0f);
    EXPECT_EQ(s.render, 2);
    EXPECT_EQ(s.nStation, 1);
}

TEST(Flight, FieldEndsAfter33000) {
    GameState s = emptySpace();
    s.x = 33000.0f;
    step(s);
    EXPECT_FALSE(s.ausserhalb);
    s.z = -33001.0f;
    step(s);
    EXPECT_TRUE(s.ausserhalb);
}

TEST(Flight, AxesStayOrthonormalOverLongPlay) {
    GameState s = emptySpace();
    s.nick = 0.03f;
    s.kipp = -0.0213f;
    for (int i = 0; i < 200000; ++i) turnShip(s);  // 100000 frames, two turns each
    EXPECT_NEAR(magnitude(s.blickrichtung), 1.0f, 1e-5f);
    EXPECT_NEAR(magnitude(s.aufrichtung), 1.0f, 1e-5f);
    EXPECT_NEAR(magnitude(s.xAchse), 1.0f, 1e-5f);
    EXPECT_NEAR(dotProduct(s.blickrichtung, s.aufrichtung), 0.0f, 1e-5f);
    EXPECT_NEAR(dotProduct(s.blickrichtung, s.xAchse), 0.0f, 1e-5f);
    // Still the same hand: the side axis is up x forward.
    const D3DVECTOR side = crossProduct(s.aufrichtung, s.blickrichtung);
    EXPECT_NEAR(dotProduct(side, s.xAchse), 1.0f, 1e-5f);

    // One turn by the up-arrow rate pitches the nose by 0.03 radians.
    GameState t = emptySpace();
    t.nick = -0.03f;
    turnShip(t);
    EXPECT_NEAR(std::acos(dotProduct(t.blickrichtung, D3DVECTOR(1, 0, 0))), 0.03f, 1e-5f);
}

// The nose pitches about the side axis first, then turns about the up axis
// as it stands after the pitch; a frame does it twice.
TEST(Flight, PitchFirstThenTurnAboutTheNewUpAxisTwiceAFrame) {
    GameState s = emptySpace();
    s.nick = 0.1f;
    s.kipp = 0.2f;
    const D3DVECTOR blick0 = s.blickrichtung, auf0 = s.aufrichtung, seite = s.xAchse;
    const D3DVECTOR blick1 = turned(blick0, seite, s.nick), auf1 = turned(auf0, seite, s.nick);
    const D3DVECTOR blick2 = turned(blick1, auf1, s.kipp);
    turnShip(s);
    EXPECT_NEAR(s.blickrichtung.x, blick2.x, 1e-6f);
    EXPECT_NEAR(s.blickrichtung.y, blick2.y, 1e-6f);
    EXPECT_NEAR(s.blickrichtung.z, blick2.z, 1e-6f);
    EXPECT_NEAR(dotProduct(s.aufrichtung, auf1), 1.0f, 1e-6f);  // the turn keeps the up axis
    // The other order would put the nose elsewhere.
    const D3DVECTOR other = turned(turned(blick0, auf0, s.kipp), turned(seite, auf0, s.kipp), s.nick);
    EXPECT_GT(magnitude(other - blick2), 1e-3f);

    // Left (kipp > 0) swings the nose from +x toward +z.
    GameState frame = emptySpace();
    frame.kipp = 0.03f;
    QuietServices quiet;
    flightFrame(frame, quiet);
    EXPECT_NEAR(frame.blickrichtung.z, std::sin(0.06f), 1e-6f);
    // The scene sees the first turn only; the radar, drawn after, the second.
    EXPECT_NEAR(frame.picture.forward.z, std::sin(0.03f), 1e-6f);
}

TEST(Flight, ViewNeverFailsFarOutside) {
    Picture camera;
    camera.eye = {3.0e9f, -2.0e9f, 0.0f};
    camera.forward = {0, 0, 1};
    camera.up = {0, 1, 0};
    const D3DMATRIX view = flightView(camera, 1);
    // The eye is where it should be and looks along +z.
    EXPECT_NEAR(view._13, 0.0f, 1e-6f);
    EXPECT_NEAR(view._33, 1.0f, 1e-6f);
    EXPECT_NEAR(view._41, -3.0e9f, 1e3f);
    EXPECT_NEAR(flightView(camera, -1)._33, -1.0f, 1e-6f);
}
