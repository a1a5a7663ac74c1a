#include <gtest/gtest.h>

#include "app/frame.h"
#include "support/started_game.h"

// The frame in which Shift leaves still presents the station as it was:
// the leave, which pays the arrived passengers and sends them off, is
// handled after the picture.
TEST(StationFrame, TheLeavingFramePresentsTheStationAndTheModelTurns) {
    StartedGame g;
    GameState& s = g.s();
    s.station[kVerkehrsstation].emplace().typ = kVerkehrsstation;
    s.nStation = kVerkehrsstation;
    s.render = 2;
    s.passagiertyp = 1;
    s.passagierziel = s.sternenpos;
    const std::int32_t geld = s.geld;
    s.shift = 1;
    g.p.tracing = true;
    const int flips = g.p.flips;
    render_frame(g.app);
    EXPECT_EQ(s.render, 0);
    EXPECT_EQ(s.geld, geld + 75);
    EXPECT_EQ(g.p.flips, flips + 1);
    std::string picture;
    for (const std::string& line : g.p.shown) picture += line + '\n';
    EXPECT_NE(picture.find("\ndraw "), std::string::npos);  // the station model
    EXPECT_NE(picture.find("blit 16 700 1 "), std::string::npos);  // the leave line
    EXPECT_NE(picture.find("blit 776 8 1 64 16 16 16"), std::string::npos);  // "Deine Passgiere", not the offer
    EXPECT_FLOAT_EQ(s.stationsrotation, 0.02f);
}
