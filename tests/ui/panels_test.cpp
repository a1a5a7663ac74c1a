#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "flight/star_map.h"
#include "platform/headless/headless_platform.h"
#include "support/font_cells.h"
#include "support/test_world.h"
#include "ui/cockpit.h"
#include "ui/star_map_screen.h"
#include "ui/text.h"

// What the cockpit and the star map's panel show word by word is pinned by
// the runs in tests/tools/pins_test.cpp; here are their rules at their
// edges, and the text layer's.

namespace {

// A panel drawn on the headless platform, read back cell by cell.
struct Panel {
    platform::HeadlessPlatform p;
    Assets assets;
    const Texte texte = Texte::deutsch();
    GameState s = freshWorld();

    Panel() {
        assets.zeichensatz = p.createSurface(platform::Image(512, 48, 0xFFFFFF));
        assets.bitmap[lpDDSEnergie] = p.createSurface(platform::Image(32, 32, 1));
        for (int gun = 0; gun < 4; ++gun) assets.bitmap[lpDDSLaser + gun] = p.createSurface(platform::Image(32, 32, 2 + gun));
    }

    Panel& cockpit() {
        p.blits.clear();
        drawCockpit(p, assets, texte, s);
        return *this;
    }

    Panel& starMap() {
        QuietServices quiet;
        starMapStep(s, quiet);
        p.blits.clear();
        drawStarMapPanel(p, assets, texte, s);
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

    // Every copy as "x:char", '?' for one that is no font cell.
    std::string cells() const {
        std::string out;
        for (const auto& b : p.blits) {
            const bool cell = b.sourceRect.w == 16 && b.sourceRect.h == 16 && !b.colorKey;
            out += std::to_string(b.x) + ":" + (cell ? glyphOf(b) : '?') + " ";
        }
        return out;
    }
};

}  // namespace

// ---------------------------------------------------------------- text layer

TEST(Text, StopsAtTheTildeOrBraceAndSkipsControlBytes) {
    Panel panel;
    TextLayer text(panel.p, panel.assets.zeichensatz, panel.texte);
    for (const auto& [written, drawn] : {std::pair{"System:~x", "776:S 792:y 808:s 824:t 840:e 856:m 872:: "},
                                         {"a}b", "776:a "}, {"\ta ", "792:a 808:  "}}) {
        panel.p.blits.clear();
        text.Text(776, 8, written);
        EXPECT_EQ(panel.cells(), drawn) << written;
    }
}

// Cells on or past the screen's edge, and bytes outside the font, are not
// drawn; the last cells are.
TEST(Text, CellsOnTheScreenEdgeAreNotDrawn) {
    Panel panel;
    TextLayer text(panel.p, panel.assets.zeichensatz, panel.texte);
    text.Zeichen(0, 100, 'A');
    text.Zeichen(100, 0, 'A');
    text.Zeichen(1008, 100, 'A');
    text.Zeichen(100, 752, 'A');
    text.Zeichen(100, 100, 31);
    text.Zeichen(100, 100, 128);
    EXPECT_TRUE(panel.p.blits.empty());
    text.Zeichen(1007, 751, 'A');
    text.Zeichen(50, 50, '~');
    EXPECT_EQ(panel.cells(), "1007:A 50:~ ");
    EXPECT_EQ(panel.p.blits[0].sourceRect.y, 16);
    EXPECT_EQ(panel.p.blits[1].sourceRect.y, 32);
}

// ---------------------------------------------------------------- cockpit

// The mission cell shows in place of the dashes unless both its parts are 0.
TEST(Cockpit, TheMissionCellUnlessBothPartsAreZero) {
    Panel panel;
    const std::tuple<int, int, const char*> kCells[] = {{0, 0, "--"}, {0, 1, "A1"}, {3, 0, "D0"}, {3, 1, "D1"}};
    for (const auto& [planet, mond, shown] : kCells) {
        panel.s.aufgabePlanet = planet;
        panel.s.aufgabeMond = mond;
        EXPECT_EQ(panel.cockpit().line(664).substr(0, 2), shown) << planet << "/" << mond;
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
    EXPECT_EQ(panel.cockpit().line(24), "           4321");
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
    panel.cockpit();
    EXPECT_EQ(panel.symbolsAt(panel.assets.bitmap[lpDDSEnergie], 392), 7);
    EXPECT_EQ(panel.symbolsAt(panel.assets.bitmap[lpDDSEnergie], 424), 3);
    const auto gun = panel.assets.bitmap[lpDDSPhotonen];
    int total = 0;
    for (int y : {520, 552, 584, 616, 648}) total += panel.symbolsAt(gun, y);
    EXPECT_EQ(total, 28);
    EXPECT_EQ(panel.symbolsAt(panel.assets.bitmap[lpDDSLaser], 520), 0);
    s.kanone = 0;
    EXPECT_EQ(panel.cockpit().symbolsAt(gun, 520), 0);
}

// ---------------------------------------------------------------- star map panel

// Eight governments, and economies beyond the four drawn ones (a savegame
// or a story could leave any value in the four bits): each reads a word of
// its table, the population its own number. Passengers bound for Sol show
// its name; without passengers the same number reads as none.
TEST(StarMapPanel, EveryPackedPropertyReadsAWordOfItsTableAndNoPassengersNoDestination) {
    Panel m;
    m.s.planetenpos = 8;
    m.s.render = 1;
    for (int bits : {0, 7, 3 * 8, 4 * 8 + 2, 15 * 8 + 7, 0xFFFF}) {
        m.s.stern[0].eigenschaften = static_cast<std::uint16_t>(bits);
        m.starMap();
        EXPECT_FALSE(m.line(8 + 16 * 15).empty()) << bits;
        EXPECT_FALSE(m.line(8 + 16 * 17).empty()) << bits;
        const std::string population = std::to_string(bits / 256);
        EXPECT_EQ(m.line(8 + 16 * 19), std::string(3 - population.size(), ' ') + population + " Milliarden") << bits;
    }
    m.s.stern[0].eigenschaften = 15 * 8;
    EXPECT_EQ(m.starMap().line(8 + 16 * 17), " ?");

    m.s.passagierziel = kSol;
    m.s.passagiertyp = 3;
    EXPECT_EQ(m.starMap().line(8 + 16 * 4), "Sol");
    m.s.passagiertyp = kKeinePassagiere;
    EXPECT_EQ(m.starMap().line(8 + 16 * 4), "keines");
}
