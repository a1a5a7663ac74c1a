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

// Where each star stands on the chart is pinned by the star map frames in
// tests/tools/pins_test.cpp. The window: 30 degrees and 3 hours, open,
// widened by zoom = -zKarte / 16 (the hours by a tenth of it); no wrap at
// 0/24 hours.
TEST(StarMap, TheVisibleWindow) {
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

// The zoom stops at 0; the map shows no mission cell (the jump's turning
// and zooming are pinned by the star map run).
TEST(StarMap, TheZoomStopsAtZeroAndTheMissionCellIsCleared) {
    GameState s = sky({});
    s.aufgabePlanet = 4;
    s.aufgabeMond = 1;
    s.up = 1;
    QuietServices quiet;
    starMapStep(s, quiet);
    EXPECT_EQ(s.zKarte, 0.0f);
    EXPECT_EQ(s.aufgabePlanet * 10 + s.aufgabeMond, 0);
}

// Shift or the right mouse button jumps to the target's outermost planet,
// 2000 before its star gate; the frame's picture is still the map from Sol,
// the zoom stays for the next visit and the turn does not.
TEST(StarMap, TheJumpArrivesAtTheOutermostPlanetBeforeTheStarGate) {
    for (const auto key : {&GameState::shift, &GameState::mouseButtonRight}) {
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
        s.*key = 1;
        QuietServices quiet(5);
        starMapStep(s, quiet);
        EXPECT_EQ(s.sternenpos * 100 + s.planetenpos * 10 + s.mondpos, fourteen * 100 + 140);
        ASSERT_TRUE(s.sternentor.has_value());
        EXPECT_EQ(s.sternentor->pos.z - s.z, -2000.0f);
        EXPECT_EQ(std::tuple(s.render, s.torsprungz, s.rotateKarte, s.zKarte), std::tuple(3, 200, 0.0f, -50.0f));
        EXPECT_EQ(std::tuple(s.picture.karte.standort, s.picture.karte.ziel), std::tuple(0, fourteen));
    }
}
