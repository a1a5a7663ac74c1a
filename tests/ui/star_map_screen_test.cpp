#include <gtest/gtest.h>

#include <map>
#include <string>

#include "flight/star_map.h"
#include "platform/headless/headless_platform.h"
#include "support/font_cells.h"
#include "support/test_world.h"
#include "ui/star_map_screen.h"

// The panel's lines are pinned by the star map frames of
// tests/tools/pins_test.cpp; here are the values at the edges of its tables.

namespace {

// The star map's panel at Pluto drawn on the headless platform, read back
// line by line (later copies over earlier ones).
struct MapPanel {
    platform::HeadlessPlatform p;
    Assets assets;
    const Texte texte = Texte::deutsch();
    GameState s = freshWorld();
    QuietServices quiet;

    MapPanel() {
        assets.zeichensatz = p.createSurface(platform::Image(512, 48));
        s.planetenpos = 8;
        s.render = 1;
    }

    void draw() {
        starMapStep(s, quiet);
        p.blits.clear();
        drawStarMapPanel(p, assets, texte, s);
    }

    std::string line(int n) const {
        std::map<int, char> row;
        for (const auto& b : p.blits) {
            if (b.source == assets.zeichensatz && b.y == 8 + 16 * n) row[b.x] = glyphOf(b);
        }
        std::string out;
        for (int x = 776; x < 1016; x += 16) out += row.count(x) ? row[x] : ' ';
        return out.erase(out.find_last_not_of(' ') + 1);
    }
};

}  // namespace

// Eight governments, and economies beyond the four drawn ones (a savegame
// or a story could leave any value in the four bits): each reads a word of
// its table, the population its own number.
TEST(StarMapPanel, EveryPackedPropertyReadsAWordOfItsTable) {
    MapPanel m;
    for (int bits : {0, 7, 3 * 8, 4 * 8 + 2, 15 * 8 + 7, 0xFFFF}) {
        m.s.stern[0].eigenschaften = static_cast<std::uint16_t>(bits);
        m.draw();
        EXPECT_FALSE(m.line(15).empty()) << bits;
        EXPECT_FALSE(m.line(17).empty()) << bits;
        const std::string population = std::to_string(bits / 256);
        EXPECT_EQ(m.line(19), std::string(3 - population.size(), ' ') + population + " Milliarden") << bits;
    }
    m.s.stern[0].eigenschaften = 15 * 8;
    m.draw();
    EXPECT_EQ(m.line(17), " ?");
}

// Passengers bound for Sol show its name; without passengers the same
// destination number reads as none.
TEST(StarMapPanel, NoPassengersIsNoDestinationEvenThoughTheNumberNamesSol) {
    MapPanel m;
    m.s.passagierziel = kSol;
    m.s.passagiertyp = 3;
    m.draw();
    EXPECT_EQ(m.line(4), "Sol");
    m.s.passagiertyp = kKeinePassagiere;
    m.draw();
    EXPECT_EQ(m.line(4), "keines");
}
