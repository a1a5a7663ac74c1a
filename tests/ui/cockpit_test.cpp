#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/headless/headless_platform.h"
#include "support/font_cells.h"
#include "support/test_world.h"
#include "ui/cockpit.h"

// What the cockpit shows word by word is pinned by the runs in
// tests/tools/pins_test.cpp; here are its rules at their edges.

namespace {

// A cockpit drawn on the headless platform, read back cell by cell.
struct Panel {
    platform::HeadlessPlatform p;
    Assets assets;
    const Texte texte = Texte::deutsch();
    GameState s = freshWorld();

    Panel() {
        assets.zeichensatz = p.createSurface(platform::Image(512, 48));
        assets.bitmap[lpDDSEnergie] = p.createSurface(platform::Image(32, 32, 1));
        for (int gun = 0; gun < 4; ++gun) assets.bitmap[lpDDSLaser + gun] = p.createSurface(platform::Image(32, 32, 2 + gun));
        drawn();
    }

    Panel& drawn() {
        p.blits.clear();
        drawCockpit(p, assets, texte, s);
        return *this;
    }

    // The character last copied to a cell.
    char charAt(int x, int y) const {
        char c = ' ';
        for (const auto& b : p.blits) {
            if (b.source == assets.zeichensatz && b.x == x && b.y == y) c = glyphOf(b);
        }
        return c;
    }

    // The characters of a line, cell by cell from x 776, blanks at the end cut.
    std::string line(int y) const {
        std::string out;
        for (int x = 776; x < 1016; x += 16) out += charAt(x, y);
        return out.erase(out.find_last_not_of(' ') + 1);
    }

    int symbolsAt(platform::SurfaceId id, int y) const {
        int n = 0;
        for (const auto& b : p.blits) n += b.source == id && b.y == y;
        return n;
    }
};

}  // namespace

// Away from Sol the body reads as planet letter and moon digit, each station
// by its kind's letter in its slot's cell; the mission cell shows in place
// of the dashes unless both its parts are 0.
TEST(Cockpit, TheBodyItsStationsAndTheMissionCell) {
    Panel panel;
    GameState& s = panel.s;
    s.sternenpos = kAldebaran;
    s.planetenpos = 2;
    s.mondpos = 1;
    for (int slot : {0, 3}) s.station[slot].emplace().typ = slot;
    s.station[1].reset();
    s.station[2].reset();
    panel.drawn();
    EXPECT_EQ(panel.line(72), "C1");
    EXPECT_EQ(std::string({panel.charAt(950, 72), panel.charAt(966, 72), panel.charAt(982, 72), panel.charAt(998, 72)}),
              "K  H");

    const std::tuple<int, int, const char*> kCells[] = {{0, 0, "--"}, {0, 1, "A1"}, {3, 0, "D0"}, {3, 1, "D1"}};
    for (const auto& [planet, mond, shown] : kCells) {
        s.aufgabePlanet = planet;
        s.aufgabeMond = mond;
        EXPECT_EQ(panel.drawn().line(664).substr(0, 2), shown) << planet << "/" << mond;
    }
}

// Sol's bodies by name, planet by planet; past a planet's last moon or the
// last planet there is none.
TEST(Cockpit, SolsBodiesAreNamedInTheirOrderAndNoneBeyond) {
    const std::tuple<int, int, std::optional<TextId>> kBodies[] = {
        {0, 0, TextId::SolKoerper + 0}, {2, 0, TextId::SolKoerper + 2}, {2, 1, TextId::SolKoerper + 3},
        {8, 1, TextId::SolKoerper + 32}, {2, 2, std::nullopt}, {8, 2, std::nullopt}, {9, 0, std::nullopt},
        {-1, 0, std::nullopt}, {0, -1, std::nullopt}};
    for (const auto& [planet, mond, name] : kBodies) EXPECT_EQ(solBodyName(planet, mond), name) << planet << "/" << mond;
}

// In combat the system line gives the nearest attacker's distance, cut to
// whole units, and the body line the reputation: the last threshold the
// ranking is above.
TEST(Cockpit, CombatShowsTheDistanceAndTheReputationByItsThresholds) {
    Panel panel;
    panel.s.kampf = 1;
    panel.s.nahfeind = 4321.9f;
    EXPECT_EQ(panel.drawn().line(24), "           4321");
    const std::pair<int, int> kWords[] = {{-1000, 0}, {8, 0}, {9, 1}, {12, 1}, {13, 2}, {16, 2}, {17, 3},
                                          {20, 3}, {21, 4}, {25, 5}, {28, 5}, {29, 6}, {32, 6}, {33, 7}};
    for (const auto& [ranking, word] : kWords) EXPECT_EQ(reputationWord(ranking), TextId::Ruf + word) << ranking;
}

// Shield and gun energy run in rows of seven, at most four rows, the gun's
// symbol by its type; without a gun no energy shows.
TEST(Cockpit, BarsRunInRowsOfSevenUpToFourRows) {
    Panel panel;
    GameState& s = panel.s;
    s.schild = 10;
    s.energie = 30;
    s.kanone = 3;
    panel.drawn();
    EXPECT_EQ(panel.symbolsAt(panel.assets.bitmap[lpDDSEnergie], 392), 7);
    EXPECT_EQ(panel.symbolsAt(panel.assets.bitmap[lpDDSEnergie], 424), 3);
    const auto gun = panel.assets.bitmap[lpDDSPhotonen];
    int total = 0;
    for (int y : {520, 552, 584, 616, 648}) total += panel.symbolsAt(gun, y);
    EXPECT_EQ(total, 28);
    EXPECT_EQ(panel.symbolsAt(panel.assets.bitmap[lpDDSLaser], 520), 0);
    s.kanone = 0;
    EXPECT_EQ(panel.drawn().symbolsAt(gun, 520), 0);
}
