#include <gtest/gtest.h>

#include "app/frame.h"
#include "stations/combat_station.h"
#include "support/started_game.h"
#include "world/location_generation.h"

namespace {

void dockAt(GameState& s, int typ) {
    s.station[static_cast<std::size_t>(typ)] = Station{};
    s.station[static_cast<std::size_t>(typ)]->typ = typ;
    s.nStation = typ;
    s.render = 2;
}

}  // namespace

// The frame in which Shift leaves still presents the station as it was:
// the leave, which pays the arrived passengers and sends them off, is
// handled after the picture.
TEST(StationFrame, TheLeavingFramePresentsTheStationAndTheModelTurns) {
    StartedGame g;
    GameState& s = g.s();
    dockAt(s, kVerkehrsstation);
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

// From the combat station to the target cell and through the fight: the
// mission is accepted, its kills pay 50 more, the last one ends it and the
// cockpit says so for a while.
TEST(StationFrame, AMissionIsAcceptedFoughtAndEnded) {
    StartedGame g;
    GameState& s = g.s();
    s.stern[0].eigenschaften = static_cast<std::uint16_t>(s.stern[0].eigenschaften & ~7);  // Sol at war
    s.planetenpos = 2;
    s.mondpos = 1;
    Create_newCube(s, g.app);
    const std::uint32_t p = s.aufgabeP, m = s.aufgabeM;
    dockAt(s, kKampfstation);
    render_frame(g.app);
    EXPECT_EQ(s.aufgabePlanet, static_cast<std::int32_t>(p));
    EXPECT_EQ(s.aufgabeMond, static_cast<std::int32_t>(m));

    s.render = 0;
    s.planetenpos = static_cast<std::uint16_t>(p);
    s.mondpos = static_cast<std::uint16_t>(m);
    Create_newCube(s, g.app);
    ASSERT_TRUE(s.missionskampf);
    for (auto& ship : s.raumschiff) {
        if (!ship) continue;
        ship->typ = 20;
        s.beute = 10;
        missionKill(s);
    }
    EXPECT_EQ(s.aufgabePlanet, 0);
    EXPECT_EQ(s.beute, 60);
    int shown = 0;
    for (int frame = 0; frame < kMissionsmeldungFrames + 10; ++frame) {
        render_frame(g.app);
        shown += s.picture.missionsMeldung ? 1 : 0;
    }
    EXPECT_EQ(shown, kMissionsmeldungFrames);
}
