#include <gtest/gtest.h>

#include <cmath>

#include "flight/gates.h"
#include "flight/star_map.h"
#include "support/test_world.h"

namespace {

// A small sky: the current system 0 at right ascension 12 h, declination
// 10 degrees, chart position (0, 80); the others placed by their chart
// offset from it.
struct Sky {
    GameState s;
    QuietServices quiet;

    explicit Sky(int systems) {
        s.stern.assign(static_cast<std::size_t>(systems), Stern{});
        for (Stern& stern : s.stern) place(stern, 1000, 1000);  // far away
        place(s.stern[0], 0, 0);
        s.sternenpos = 0;
        s.render = 1;
    }
    // dx, dy in chart units from the current system (northern sky only).
    static void place(Stern& stern, float dx, float dy) {
        stern.rekt = 12.0f + dx / 80.0f;
        stern.dekl = 10.0f + dy / 8.0f;
    }
    int step() {
        starMapStep(s, quiet);
        return s.picture.karte.ziel;
    }
};

}  // namespace

TEST(StarMap, ChartPositionsFromTheSkyCoordinates) {
    Stern stern;
    stern.rekt = 13.0f;
    stern.dekl = 16.5f;
    EXPECT_EQ(kartenPosition(stern), D3DVECTOR(80, 132, 400));
    stern.dekl = -16.5f;  // the south loses the fraction
    EXPECT_EQ(kartenPosition(stern).y, -128.0f);
    stern.dekl = -0.5f;
    EXPECT_EQ(kartenPosition(stern).y, 0.0f);
}

TEST(StarMap, TheSearchTakesTheNearestAboveAndTheHigherIndexAtEqualDistance) {
    {
        Sky sky(3);
        sky.place(sky.s.stern[1], 0, 100);
        sky.place(sky.s.stern[2], 3, 50);
        EXPECT_EQ(sky.step(), 2);  // nearer, though the lower one has the lower index
    }
    {
        Sky sky(4);
        sky.place(sky.s.stern[1], 0, 100);
        sky.place(sky.s.stern[2], -2, 100);
        sky.place(sky.s.stern[3], 200, 0);  // beside, not above
        EXPECT_EQ(sky.step(), 2);
    }
    {
        // The search square is open: 6 off is out, less is in; the search
        // goes no nearer than 15 and no farther than 200.
        Sky sky(5);
        sky.place(sky.s.stern[1], 6.25f, 100);
        sky.place(sky.s.stern[2], 0, 9);
        sky.place(sky.s.stern[3], 0, 206.5f);
        sky.place(sky.s.stern[4], -5.5f, 150);
        EXPECT_EQ(sky.step(), 4);
    }
    {
        // Nothing above: the target stays the current system, and the jump
        // goes back to its own outermost planet.
        Sky sky(2);
        sky.place(sky.s.stern[1], 0, -100);
        sky.s.stern[0].planeten = 3;
        sky.s.stern[0].planet.set(3, 0, 7);
        sky.s.planetenpos = 0;
        EXPECT_EQ(sky.step(), 0);
        sky.s.shift = 1;
        sky.step();
        EXPECT_EQ(sky.s.sternenpos, 0);
        EXPECT_EQ(sky.s.planetenpos, 3);
    }
}

TEST(StarMap, TurningTheChartTurnsTheSearch) {
    Sky sky(3);
    sky.place(sky.s.stern[1], 0, 100);
    sky.place(sky.s.stern[2], 100, 0);
    // The map turned a quarter to the left: chart +x is straight up.
    sky.s.rotateKarte = 1.5707964f;
    EXPECT_EQ(sky.step(), 2);
    const D3DVECTOR up = suchrichtung(1.5707964f);
    EXPECT_NEAR(up.x, 1.0f, 1e-6f);
    EXPECT_NEAR(up.y, 0.0f, 1e-6f);
    // A quarter to the right: chart -x is up, and nothing lies there.
    sky.s.rotateKarte = -1.5707964f - 0.02f;
    sky.s.right = 1;
    EXPECT_EQ(sky.step(), 0);
}

TEST(StarMap, TheWindowWidensAsTheCameraBacksAway) {
    Stern current;
    current.rekt = 12.0f;
    current.dekl = 0.0f;
    Stern other = current;
    struct Case {
        float drekt, ddekl, zKarte;
        bool seen;
    };
    const Case kCases[] = {
        {0, 29.9f, 0, true},   {0, 30.0f, 0, false},  {0, -30.0f, 0, false},
        {2.9f, 0, 0, true},    {3.0f, 0, 0, false},   {-3.0f, 0, 0, false},
        {0, 39.9f, -160, true}, {0, 40.0f, -160, false}, {3.9f, 0, -160, true}, {4.0f, 0, -160, false},
    };
    for (const Case& c : kCases) {
        other.rekt = current.rekt + c.drekt;
        other.dekl = current.dekl + c.ddekl;
        EXPECT_EQ(imSichtfenster(other, current, c.zKarte), c.seen) << c.drekt << " " << c.ddekl << " " << c.zKarte;
    }
    // No wrap at 0/24 hours.
    current.rekt = 0.5f;
    other.rekt = 23.9f;
    other.dekl = current.dekl;
    EXPECT_FALSE(imSichtfenster(other, current, 0));
}

TEST(StarMap, ArrowsAndMouseTurnAndZoomAndTheZoomStopsAtZero) {
    Sky sky(1);
    sky.s.aufgabePlanet = 4;
    sky.s.aufgabeMond = 1;
    sky.s.right = 1;
    sky.s.up = 1;
    sky.step();
    EXPECT_FLOAT_EQ(sky.s.rotateKarte, 0.02f);
    EXPECT_EQ(sky.s.zKarte, 0.0f);  // cannot come nearer than 0
    EXPECT_EQ(sky.s.aufgabePlanet, 0);
    EXPECT_EQ(sky.s.aufgabeMond, 0);
    sky.s.right = sky.s.up = 0;
    sky.s.mouseRight = 1;
    sky.s.down = 1;
    sky.step();
    EXPECT_FLOAT_EQ(sky.s.rotateKarte, 0.0f);
    EXPECT_EQ(sky.s.zKarte, -10.0f);
    sky.s.mouseRight = sky.s.down = 0;
    sky.s.left = sky.s.mouseLeft = 1;  // both at once cancel
    sky.s.mouseDown = 1;
    sky.step();
    EXPECT_FLOAT_EQ(sky.s.rotateKarte, 0.0f);
    EXPECT_EQ(sky.s.zKarte, -20.0f);
    // The window of a frame is that of the zoom the frame began with.
    EXPECT_EQ(sky.s.picture.karte.zKarte, -20.0f);
}

TEST(StarMap, TheJumpArrivesAtTheOutermostPlanetBeforeTheStarGate) {
    GameState s = freshWorld();
    int fourteen = -1;
    for (int i = 0; i < kSternAnzahl && fourteen < 0; ++i) {
        if (s.stern[static_cast<std::size_t>(i)].planeten == 14) fourteen = i;
    }
    ASSERT_GE(fourteen, 0);
    s.sternenpos = 0;
    s.planetenpos = 8;
    s.mondpos = 0;
    s.render = 1;
    s.zKarte = -50.0f;
    s.rotateKarte = 0.4f;
    // Put the system straight above Sol on the chart.
    Stern& target = s.stern[static_cast<std::size_t>(fourteen)];
    target.rekt = s.stern[0].rekt + 100.0f / 80.0f * std::sin(0.4f);
    target.dekl = s.stern[0].dekl + 100.0f / 8.0f * std::cos(0.4f);
    s.shift = 1;
    QuietServices quiet(5);
    starMapStep(s, quiet);
    EXPECT_EQ(s.sternenpos, fourteen);
    EXPECT_EQ(s.planetenpos, 14);
    EXPECT_EQ(s.mondpos, 0);
    ASSERT_TRUE(s.sternentor.has_value());
    EXPECT_EQ(s.sternentor->pos.z - s.z, -2000.0f);
    EXPECT_EQ(s.blickrichtung, D3DVECTOR(0, 0, 1));
    EXPECT_EQ(s.render, 3);
    EXPECT_EQ(s.torsprungz, 200);
    EXPECT_EQ(quiet.sounds, std::vector<int>{4});
    EXPECT_EQ(s.rotateKarte, 0.0f);
    EXPECT_EQ(s.zKarte, -50.0f);
    // The picture still shows the map as it was before the jump.
    EXPECT_EQ(s.picture.karte.standort, 0);
    EXPECT_EQ(s.picture.karte.ziel, fourteen);
    EXPECT_EQ(s.picture.karte.rotateKarte, 0.4f);

    // The right mouse button jumps as Shift does.
    s.render = 1;
    s.shift = 0;
    s.mouseButtonRight = 1;
    starMapStep(s, quiet);
    EXPECT_EQ(s.render, 3);
}
