#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

#include "inspector/digest.h"
#include "support/hex.h"
#include "platform/headless/headless_platform.h"
#include "stations/docking.h"
#include "support/font_cells.h"
#include "support/test_world.h"
#include "ui/station_screens.h"

namespace {

// A station panel drawn on the headless platform and read back.
struct Screen {
    platform::HeadlessPlatform p;
    Assets assets;
    const Texte texte = Texte::deutsch();
    GameState s = freshWorld();

    Screen(int typ) {
        assets.zeichensatz = p.createSurface(platform::Image(512, 48));
        assets.bitmap[lpVordergrund] = p.createSurface(platform::Image(256, 768, 3));
        s.render = 2;
        s.nStation = typ;
        s.station[static_cast<std::size_t>(typ)] = Station{};
        s.station[static_cast<std::size_t>(typ)]->typ = typ;
    }

    // Steps the frame's rules once, then draws the panel.
    void frame() {
        QuietServices q;
        dockedStep(s, q);
        p.blits.clear();
        drawStationPanel(p, assets, texte, s);
    }

    // Every copy in order, as text.
    std::string copies() const {
        std::string out;
        char line[96];
        for (const auto& b : p.blits) {
            std::snprintf(line, sizeof line, "%d %d %d %d %d %d %d\n", b.x, b.y, static_cast<int>(b.source),
                          b.sourceRect.x, b.sourceRect.y, b.sourceRect.w, b.sourceRect.h);
            out += line;
        }
        return out;
    }

    // The characters on the screen, the last copy to a cell winning, as
    // "y x:text" runs of neighbouring cells; blanks left out.
    std::string text() const {
        std::map<std::pair<int, int>, char> cells;
        for (const auto& b : p.blits) {
            if (b.source == assets.zeichensatz) cells[{b.y, b.x}] = glyphOf(b);
        }
        std::string out;
        int row = -1, next = 0;
        for (const auto& [at, c] : cells) {
            if (c == ' ') continue;
            if (at.first != row || at.second != next) {
                if (row >= 0) out += '\n';
                out.append(std::to_string(at.first)).append(" ").append(std::to_string(at.second)).append(":");
                row = at.first;
            }
            out += c;
            next = at.second + 16;
        }
        return out;
    }
};

struct Pin {
    const char* copies;
    const char* text;
};

void expectPinned(const Screen& screen, const Pin& pin) {
    EXPECT_EQ(hex(fnv1a(screen.copies())), pin.copies) << "the panel and its copies";
    EXPECT_EQ(hex(fnv1a(screen.text())), pin.text) << screen.text();
}

}  // namespace

// One frame of each screen, pinned: a change here is a change of what the
// player reads.
TEST(StationScreens, TradeStationPinned) {
    Screen t(kHandelsstation);
    arrive(t.s, 0, 2, 0, 4711);
    t.s.geld = 123456;  // shown as its last five digits
    t.s.goldld = 3;
    t.s.luxusgutld = 12;
    t.s.zeig = 14;
    t.frame();
    expectPinned(t, {"c46fd0dc8947fd1f", "f50d539384f1ec8f"});
}

TEST(StationScreens, ShipyardPinned) {
    Screen t(kWerftstation);
    t.s.kanone = 4;
    t.s.schildspeicher = 3;
    t.s.gigabomben = 2;
    t.s.laderaum = 31;
    t.s.zeig = 3;
    t.frame();
    expectPinned(t, {"4e191eae080aaef3", "3fbb168e9a9b5e59"});
}

TEST(StationScreens, TrafficStationPinned) {
    Screen t(kVerkehrsstation);
    arrive(t.s, 0, 2, 0, 4711);
    t.s.passagiertyp = 8;  // the princess arrives at Sol
    t.s.passagierziel = 0;
    t.s.passagiere = 9;
    t.frame();
    expectPinned(t, {"adfa45929aca2f5c", "d391abd17b09ebdd"});
}

TEST(StationScreens, CombatStationPinned) {
    Screen t(kKampfstation);
    arrive(t.s, 11, 5, 0, 21);  // a system at war
    t.frame();
    expectPinned(t, {"fef6844a00487976", "2e639bc647fd26b1"});
}

// Every government's combat station text with the mission cell in its
// line, pinned; a democracy offers none.
TEST(StationScreens, EachGovernmentsMissionTextPinned) {
    std::string alleTexte;
    for (int regierung = 0; regierung < 8; ++regierung) {
        Screen t(kKampfstation);
        t.s.stern[0].eigenschaften = static_cast<std::uint16_t>((t.s.stern[0].eigenschaften & ~7) | regierung);
        t.s.aufgabeP = 22;
        t.s.aufgabeM = 9;
        t.frame();
        alleTexte += t.text() + '\n';
        EXPECT_EQ(t.s.aufgabePlanet, regierung < 7 ? 22 : 0) << regierung;
    }
    EXPECT_EQ(hex(fnv1a(alleTexte)), "e8cc764297a422de") << alleTexte;
}

// Arrived criminals show their fare twice and pay nothing; a fare of five
// digits stands over the end of its line's text.
TEST(StationScreens, TheTrafficStationsFaresAtTheirEdges) {
    for (const auto& [art, shown] : {std::pair{6, "40 936::1250"}, {9, "40 776:Einnahmen\n40 936:10000"}}) {
        Screen t(kVerkehrsstation);
        t.s.passagiertyp = static_cast<std::uint16_t>(art);
        t.s.passagierziel = 0;
        t.frame();
        EXPECT_NE(t.text().find(shown), std::string::npos) << t.text();
        EXPECT_EQ(t.s.einnahmen, art == 6 ? 0 : 10000);
    }
}
