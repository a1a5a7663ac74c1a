#include <gtest/gtest.h>

#include <cmath>

#include "flight/flight_frame.h"
#include "flight/flight_step.h"
#include "flight/scene.h"
#include "support/arena.h"

// How the ship turns and moves frame by frame is pinned by the runs in
// tests/tools/pins_test.cpp; here are the limits.

namespace {

void step(GameState& s) {
    QuietServices quiet;
    flightStep(s, quiet);
}

}  // namespace

// 200 either way in flight, 40 while a pirate is near.
TEST(Flight, SpeedLimitsInFlightAndInCombat) {
    GameState s = arena();
    for (const auto& [pirate, speed, limit] :
         {std::tuple{false, 250.0f, 200.0f}, {false, -250.0f, -200.0f}, {true, 100.0f, 40.0f}, {true, -100.0f, -40.0f}}) {
        if (pirate) s.raumschiff[7].emplace(4, s.rng);
        s.speed = speed;
        step(s);
        EXPECT_EQ(s.speed, limit);
        EXPECT_EQ(s.kampf, pirate ? 1 : 0);
    }
}

// The caps near a station are pinned by the docking runs; backing into one
// docks at any speed in peace.
TEST(Flight, BackingIntoAStationDocksUncapped) {
    GameState s = arena();
    s.station[1].emplace().pos = {390, 0, 0};
    s.speed = -30.0f;
    step(s);
    EXPECT_EQ(s.speed, -30.0f);
    EXPECT_EQ(s.render, 2);
    EXPECT_EQ(s.nStation, 1);
}

TEST(Flight, FieldEndsAfter33000) {
    GameState s = arena();
    s.x = 33000.0f;
    step(s);
    EXPECT_FALSE(s.ausserhalb);
    s.z = -33001.0f;
    step(s);
    EXPECT_TRUE(s.ausserhalb);
}

// 100000 frames of turning keep the axes a right-handed orthonormal set; one
// turn by the arrows' rate pitches the nose by 0.03 radians.
TEST(Flight, AxesStayOrthonormalOverLongPlay) {
    GameState s = arena();
    s.nick = 0.03f;
    s.kipp = -0.0213f;
    for (int i = 0; i < 200000; ++i) turnShip(s);  // two turns a frame
    for (const D3DVECTOR& axis : {s.blickrichtung, s.aufrichtung, s.xAchse}) EXPECT_NEAR(magnitude(axis), 1.0f, 1e-5f);
    EXPECT_NEAR(dotProduct(s.blickrichtung, s.aufrichtung), 0.0f, 1e-5f);
    EXPECT_NEAR(dotProduct(s.blickrichtung, s.xAchse), 0.0f, 1e-5f);
    EXPECT_NEAR(dotProduct(crossProduct(s.aufrichtung, s.blickrichtung), s.xAchse), 1.0f, 1e-5f);

    GameState t = arena();
    t.nick = -0.03f;
    turnShip(t);
    EXPECT_NEAR(std::acos(dotProduct(t.blickrichtung, D3DVECTOR(1, 0, 0))), 0.03f, 1e-5f);
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

// A message shows while its counter is above 0: set to 2, it shows in two
// frames and counts to 0.
TEST(FlightFrame, MessagesShowAsLongAsTheirCounters) {
    GameState s = arena();
    QuietServices quiet;
    s.sightchg = 2;
    s.beutezaehler = 1;
    s.bergbaumeldungz = 3;
    s.missionsmeldungz = 4;
    std::string shown;
    for (int frame = 0; frame < 5; ++frame) {
        flightFrame(s, quiet);
        shown += std::to_string(s.picture.sichtMeldung) + std::to_string(s.picture.beuteMeldung) +
                 std::to_string(s.picture.bergbauMeldung) + std::to_string(s.picture.missionsMeldung) + " ";
    }
    EXPECT_EQ(shown, "1111 1011 0011 0001 0000 ");
    EXPECT_EQ(s.sightchg + s.beutezaehler + s.bergbaumeldungz + s.missionsmeldungz, 0);
}

// Visible means strictly inside the cube of the view distance; outside the
// field the view is measured from its edge.
TEST(Scene, VisibleIsStrictlyInsideTheSightCube) {
    GameState s = arena();
    s.picture.eye.x = 100.0f;
    s.SIGHT = 10000.0f;
    EXPECT_TRUE(Visible(s, {10099.0f, 0, 0}));
    EXPECT_FALSE(Visible(s, {10100.0f, 0, 0}));
    EXPECT_FALSE(Visible(s, {0, -10000.0f, 0}));
    s.picture.eye.x = 50000.0f;
    s.ausserhalb = true;
    EXPECT_TRUE(Visible(s, {30000.0f, 0, 0}));
    EXPECT_FALSE(Visible(s, {43000.0f, 0, 0}));
}
