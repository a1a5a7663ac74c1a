#include <gtest/gtest.h>

#include <map>
#include <string>

#include "flight/star_map.h"
#include "platform/headless/headless_platform.h"
#include "support/font_cells.h"
#include "support/test_world.h"
#include "ui/star_map_screen.h"

namespace {

// The star map's panel drawn on the headless platform, read back line by
// line (later copies over earlier ones).
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

    std::string line(int n, int fromX = 776, int cells = 15) {
        std::map<int, char> row;
        for (const auto& b : p.blits) {
            if (b.source == assets.zeichensatz && b.y == 8 + 16 * n) row[b.x] = glyphOf(b);
        }
        std::string out;
        for (int i = 0; i < cells; ++i) out += row.count(fromX + 16 * i) ? row[fromX + 16 * i] : ' ';
        while (!out.empty() && out.back() == ' ') out.pop_back();
        return out;
    }
};

}  // namespace

TEST(StarMapPanel, SolWithNothingAboveAndNoPassengers) {
    MapPanel m;
    m.draw();
    ASSERT_EQ(m.s.picture.karte.ziel, 0);
    const std::map<int, std::string> kLines = {
        {0, "Standort :"}, {1, "Sol"}, {3, "Passagierziel:"}, {4, "keines"}, {6, "Zielsystem :"},
        {7, "------------"}, {8, "Sol"}, {9, "Typ :"}, {10, " Normal"}, {11, "Sternenbild :"},
        {12, " keines"}, {13, "Planeten :    9"}, {14, "Regierung :"}, {15, " Demokratie"},
        {16, "Wirtschaft :"}, {17, " Normal"}, {18, "Einwohner :"}, {19, "253 Milliarden"},
        {20, ""}, {21, "Ladung an Bord"}, {22, "==============="}, {23, ""}, {24, "Uran          0"},
        {39, "Luxusgut      0"}, {43, "Geld :      100"},
    };
    for (const auto& [n, text] : kLines) EXPECT_EQ(m.line(n), text) << "line " << n;
}

TEST(StarMapPanel, PassengersTargetCargoAndMoney) {
    MapPanel m;
    m.s.passagiertyp = 3;
    m.s.passagierziel = kAldebaran;
    m.s.goldld = 17;
    m.s.luxusgutld = 5;
    m.s.geld = 98765;
    m.s.rotateKarte = 1.0f;  // some system lies in this direction
    m.draw();
    const int ziel = m.s.picture.karte.ziel;
    ASSERT_NE(ziel, 0);
    EXPECT_EQ(m.line(4), "Aldebaran");
    EXPECT_EQ(m.line(8), std::string(m.s.stern[static_cast<std::size_t>(ziel)].name).substr(0, 15));
    EXPECT_EQ(m.line(26), "Gold         17");
    EXPECT_EQ(m.line(39), "Luxusgut      5");
    EXPECT_EQ(m.line(43), "Geld :    98765");
}

TEST(StarMapPanel, EveryPackedPropertyReadsAWordOfItsTable) {
    // Eight governments, and economies beyond the four drawn ones (a
    // savegame or an event could hold any value in the four bits).
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
