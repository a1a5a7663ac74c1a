#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/headless/headless_platform.h"
#include "support/font_cells.h"
#include "support/test_world.h"
#include "ui/cockpit.h"

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
        for (int gun = 0; gun < 4; ++gun) {
            assets.bitmap[lpDDSLaser + gun] = p.createSurface(platform::Image(32, 32, 2 + gun));
        }
    }

    // The characters that ended up in each cell of a line, later copies
    // over earlier ones.
    std::string line(int y, int fromX = 776, int cells = 15) {
        std::map<int, char> row;
        for (const auto& b : p.blits) {
            if (b.source == assets.zeichensatz && b.y == y) {
                row[b.x] = glyphOf(b);
            }
        }
        std::string out;
        for (int i = 0; i < cells; ++i) out += row.count(fromX + 16 * i) ? row[fromX + 16 * i] : ' ';
        while (!out.empty() && out.back() == ' ') out.pop_back();
        return out;
    }

    char charAt(int x, int y) {
        char c = ' ';
        for (const auto& b : p.blits) {
            if (b.source == assets.zeichensatz && b.x == x && b.y == y) {
                c = glyphOf(b);
            }
        }
        return c;
    }

    int symbolsAt(platform::SurfaceId id, int y) {
        int n = 0;
        for (const auto& b : p.blits) n += b.source == id && b.y == y;
        return n;
    }

    void draw() {
        p.blits.clear();
        drawCockpit(p, assets, texte, s);
    }
};

}  // namespace

TEST(Cockpit, ReadingsForAShipAtTheMoonWithPassengers) {
    Panel panel;
    GameState& s = panel.s;
    s.planetenpos = 2;
    s.mondpos = 1;
    s.station[0] = Station{};
    s.station[3] = Station{};
    s.geld = 1234;
    s.passagiertyp = 8;
    s.passagierziel = 208;
    panel.draw();
    EXPECT_EQ(panel.line(8), "System:");
    EXPECT_EQ(panel.line(24), "Sol");
    EXPECT_EQ(panel.line(56), "Planet/Mond");
    EXPECT_EQ(panel.line(72), "Mond");
    EXPECT_EQ(panel.charAt(998, 72), 'H');
    EXPECT_EQ(panel.charAt(950, 72), 'K');
    EXPECT_EQ(panel.charAt(982, 72), ' ');
    EXPECT_EQ(panel.line(664), "-- Geld:   1234");
    EXPECT_EQ(panel.line(696), "Prinzessin");
    EXPECT_EQ(panel.line(712), "Ziel :");
    EXPECT_EQ(panel.line(728), "Aldebaran");

    // Elsewhere the same body shows as letter and digit; a mission target
    // shows in place of the dashes.
    s.sternenpos = 208;
    s.aufgabePlanet = 3;
    s.aufgabeMond = 1;
    s.passagiertyp = kKeinePassagiere;
    panel.draw();
    EXPECT_EQ(panel.line(72).substr(0, 2), "C1");
    EXPECT_EQ(panel.line(664).substr(0, 2), "D1");
    EXPECT_EQ(panel.line(696), "- keine -");
}

TEST(Cockpit, CombatShowsDistanceAndReputation) {
    Panel panel;
    GameState& s = panel.s;
    s.kampf = 1;
    s.nahfeind = 4321.9f;
    s.ranking = 13;
    panel.draw();
    EXPECT_EQ(panel.line(8), "Feindentfernung");
    EXPECT_EQ(panel.line(24), "           4321");
    EXPECT_EQ(panel.line(56), "Ruf beim Gegner");
    EXPECT_EQ(panel.line(72), "Kaum Gefaehrich");

    const std::pair<int, const char*> words[] = {
        {8, "Absolut Harmlos"}, {9, "Harmlos"}, {12, "Harmlos"}, {13, "Kaum Gefaehrich"},
        {16, "Kaum Gefaehrich"}, {17, "Mittelstark"}, {21, "Gefaehrlich"}, {25, "Furchtbar"},
        {29, "Vernichtend"}, {32, "Vernichtend"}, {33, "Unbesiegbar"},
    };
    for (const auto& [ranking, word] : words) {
        std::string shown(eintrag(reputationWord(ranking)).deutsch);
        while (shown.back() == ' ') shown.pop_back();
        EXPECT_EQ(shown, word) << ranking;
    }
}

TEST(Cockpit, BarsRunInRowsOfSeven) {
    Panel panel;
    GameState& s = panel.s;
    s.schild = 10;
    s.energie = 30;  // more than the bar holds
    s.kanone = 3;
    panel.draw();
    EXPECT_EQ(panel.symbolsAt(panel.assets.bitmap[lpDDSEnergie], 392), 7);
    EXPECT_EQ(panel.symbolsAt(panel.assets.bitmap[lpDDSEnergie], 424), 3);
    const auto photon = panel.assets.bitmap[lpDDSPhotonen];
    int total = 0;
    for (int y : {520, 552, 584, 616}) total += panel.symbolsAt(photon, y);
    EXPECT_EQ(total, 28);
    EXPECT_EQ(panel.symbolsAt(panel.assets.bitmap[lpDDSLaser], 520), 0);

    s.kanone = 0;
    panel.draw();
    EXPECT_EQ(panel.symbolsAt(photon, 520), 0);
}

TEST(Cockpit, TheFramesMessages) {
    Panel panel;
    GameState& s = panel.s;
    s.SIGHT = 12500.0f;
    s.picture.sichtMeldung = true;
    s.picture.bergbauMeldung = true;
    s.bergbaumeldung = 3;
    panel.draw();
    EXPECT_EQ(panel.line(160, 272), "Sicht :   12500");
    EXPECT_EQ(panel.line(176, 100, 40), "Kein Asteroidenbeschleuniger vorhanden");
    s.bergbaumeldung = 1;
    s.picture.sichtMeldung = false;
    panel.draw();
    EXPECT_EQ(panel.line(160, 272), "");
    EXPECT_EQ(panel.line(192, 100, 19), "             Geld +");
    const std::string loot{panel.charAt(410, 192), panel.charAt(426, 192), panel.charAt(442, 192)};
    EXPECT_EQ(loot, "250");

    s.picture.bergbauMeldung = false;
    s.picture.missionsMeldung = true;
    panel.draw();
    EXPECT_EQ(panel.line(224, 100, 38), "  Auftrag erfuellt, Sektor gesaeubert");
}

