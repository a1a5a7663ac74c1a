#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "flight/star_map.h"
#include "support/test_world.h"

namespace {

struct Offset {
    float dx, dy;  // chart units from the current system (northern sky)
};

// A small sky on the map: system 0, the current one, at 12 h and 10 degrees
// (chart (0, 80)); the others by their offsets.
GameState sky(const std::vector<Offset>& others, float rotateKarte = 0.0f) {
    GameState s;
    s.stern.assign(others.size() + 1, Stern{});
    for (std::size_t i = 0; i < s.stern.size(); ++i) {
        const Offset o = i == 0 ? Offset{0, 0} : others[i - 1];
        s.stern[i].rekt = 12.0f + o.dx / 80.0f;
        s.stern[i].dekl = 10.0f + o.dy / 8.0f;
    }
    s.render = 1;
    s.rotateKarte = rotateKarte;
    return s;
}

int target(GameState s) {
    QuietServices quiet;
    starMapStep(s, quiet);
    return s.picture.karte.ziel;
}

}  // namespace

TEST(StarMap, ChartPlacesAndTheVisibleWindow) {
    Stern a;
    a.rekt = 13.0f;
    a.dekl = 16.5f;
    EXPECT_EQ(kartenPosition(a), D3DVECTOR(80, 132, 400));
    a.dekl = -16.5f;  // the south loses the fraction
    EXPECT_EQ(kartenPosition(a).y, -128.0f);

    // The window: 30 degrees and 3 hours, open, widened by zoom = -zKarte / 16
    // (the hours by a tenth of it); no wrap at 0/24 hours.
    Stern current;
    current.rekt = 12.0f;
    struct Case { float drekt, ddekl, zKarte; bool seen; };
    for (const Case& c : {Case{0, 29.9f, 0, true}, {0, 30, 0, false}, {0, -30, 0, false}, {2.9f, 0, 0, true},
                          {3, 0, 0, false}, {0, 39.9f, -160, true}, {0, 40, -160, false}, {3.9f, 0, -160, true},
                          {4, 0, -160, false}}) {
        Stern other;
        other.rekt = current.rekt + c.drekt;
        other.dekl = current.dekl + c.ddekl;
        EXPECT_EQ(imSichtfenster(other, current, c.zKarte), c.seen) << c.drekt << " " << c.ddekl << " " << c.zKarte;
    }
    Stern across;  // 0.6 hours apart across 0 h, and still out of the window
    current.rekt = 0.5f;
    across.rekt = 23.9f;
    EXPECT_FALSE(imSichtfenster(across, current, 0.0f));
}

TEST(StarMap, TheSearchTakesTheNearestStraightUpAndTheHigherIndexAtEqualDistance) {
    struct Case {
        const char* what;
        std::vector<Offset> others;
        float rotateKarte;
        int ziel;
    };
    const Case kCases[] = {
        {"nearer wins over the lower index", {{0, 100}, {3, 50}}, 0, 2},
        {"equal distance: the higher index", {{0, 100}, {-2, 100}, {200, 0}}, 0, 2},
        // The square is open (6 off is out); the search spans 200 down to 15.
        {"edges", {{6.25f, 100}, {0, 9}, {0, 206.5f}, {-5.5f, 150}}, 0, 4},
        {"nothing above: the current system", {{0, -100}, {100, 0}}, 0, 0},
        {"a quarter to the left: chart +x is up", {{0, 100}, {100, 0}}, 1.5707964f, 2},
    };
    for (const Case& c : kCases) EXPECT_EQ(target(sky(c.others, c.rotateKarte)), c.ziel) << c.what;
}

TEST(StarMap, ArrowsAndMouseTurnAndZoomAndTheZoomStopsAtZero) {
    GameState s = sky({});
    s.aufgabePlanet = 4;
    s.aufgabeMond = 1;
    QuietServices quiet;
    auto frame = [&](std::int32_t GameState::*a, std::int32_t GameState::*b) {
        s.*a = s.*b = 1;
        starMapStep(s, quiet);
        s.*a = s.*b = 0;
    };
    frame(&GameState::right, &GameState::up);
    EXPECT_FLOAT_EQ(s.rotateKarte, 0.02f);
    EXPECT_EQ(s.zKarte, 0.0f);  // no nearer than 0
    EXPECT_EQ(s.aufgabePlanet, 0);
    EXPECT_EQ(s.aufgabeMond, 0);
    frame(&GameState::mouseRight, &GameState::down);
    EXPECT_FLOAT_EQ(s.rotateKarte, 0.0f);
    EXPECT_EQ(s.zKarte, -10.0f);
    frame(&GameState::mouseLeft, &GameState::mouseDown);
    frame(&GameState::left, &GameState::mouseUp);
    EXPECT_FLOAT_EQ(s.rotateKarte, 0.0f);
    EXPECT_EQ(s.zKarte, -10.0f);
}

TEST(StarMap, TheJumpArrivesAtTheOutermostPlanetBeforeTheStarGate) {
    GameState s = freshWorld();
    int fourteen = 0;
    while (s.stern[static_cast<std::size_t>(fourteen)].planeten != 14) ++fourteen;
    s.planetenpos = 8;
    s.render = 1;
    s.zKarte = -50.0f;
    s.rotateKarte = 0.4f;
    // Put that system straight above Sol on the turned chart.
    Stern& ziel = s.stern[static_cast<std::size_t>(fourteen)];
    ziel.rekt = s.stern[0].rekt + 100.0f / 80.0f * std::sin(0.4f);
    ziel.dekl = s.stern[0].dekl + 100.0f / 8.0f * std::cos(0.4f);
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
    // The frame's picture is still the map seen from Sol.
    EXPECT_EQ(s.picture.karte.standort, 0);
    EXPECT_EQ(s.picture.karte.ziel, fourteen);

    s.render = 1;  // the right mouse button jumps as Shift does
    s.shift = 0;
    s.mouseButtonRight = 1;
    starMapStep(s, quiet);
    EXPECT_EQ(s.render, 3);
}
