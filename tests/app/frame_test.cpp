#include <gtest/gtest.h>

#include "app/controls.h"
#include "app/frame.h"
#include "support/started_game.h"

using platform::MouseEvent;
namespace mouse = platform::mouse;

namespace {

MouseEvent record(std::uint32_t offset, std::int32_t data) { return {offset, static_cast<std::uint32_t>(data), 0, 0}; }

}  // namespace

// A gate and a station where the ship is: the gate wins, and the mode it
// opens runs in the same frame (two pictures); the moon gate's jump has
// taken its first frame.
TEST(Frame, AGateInTheDockingFrameWinsAndItsModeRunsAtOnce) {
    for (const int side : {1, 3}) {
        SCOPED_TRACE(side);
        StartedGame g;
        GameState& s = g.s();
        std::optional<Gate>& gate = side == 1 ? s.sternentor : s.mondtor;
        s.station[0] = Station{};
        s.station[0]->pos = {s.x, s.y, s.z};
        gate.emplace(side);
        gate->pos = {s.x, s.y, s.z};
        render_frame(g.app);
        EXPECT_EQ(std::tuple(s.render, s.nStation, g.p.flips, s.torsprungz),
                  std::tuple(side == 1 ? 1 : 3, 0, 2, side == 1 ? 0 : 59));
    }
}

TEST(Frame, DockingIsBlockedInCombatAndTheStationBounces) {
    StartedGame g;
    GameState& s = g.s();
    s.raumschiff[0].emplace(8, s.rng);  // a pirate
    s.station[0] = Station{};
    s.station[0]->pos = {s.x + 20.0f, s.y, s.z};
    s.speed = 30.0f;
    render_frame(g.app);
    EXPECT_EQ(std::tuple(s.render, s.kampf), std::tuple(0, 1));
    EXPECT_FLOAT_EQ(s.speed, -1.6f);  // capped to 8 beside the station, then bounced
    EXPECT_EQ(g.p.sounds.back(), "machine.wav");
}

TEST(Frame, GameOverHoldsTheShipAndStartsAgainOnce) {
    StartedGame g;
    GameState& s = g.s();
    s.schild = 65501;  // a shield of -35
    s.geld = 5000;
    s.speed = 1.0f;
    render_frame(g.app);
    EXPECT_EQ(s.geld, 100);
    EXPECT_EQ(s.gameover, 149);
    int shown = s.picture.gameOverMeldung ? 1 : 0;
    while (s.gameover > 0) {
        s.geld = 7;
        s.x = 50.0f;
        render_frame(g.app);
        shown += s.picture.gameOverMeldung;
        EXPECT_EQ(s.x, 0.0f);
        if (s.gameover == 1) {
            EXPECT_EQ(s.geld, 100);  // the second new game
        }
    }
    EXPECT_EQ(shown, 150);
}

// Indices in the state that point outside their tables (as a damaged save
// could leave them) are read as nothing, never past the table.
TEST(Frame, IndicesOutsideTheirTablesReadAsNothing) {
    StartedGame g;
    GameState& s = g.s();
    s.passagiertyp = 2;
    s.passagierziel = 900;
    s.sternenpos = 700;
    render_frame(g.app);
    EXPECT_EQ(&s.aktuellerStern(), &s.sternAt(-1));
    EXPECT_EQ(s.aktuellerStern().name, "");

    s.sternenpos = 0;
    s.render = 2;
    s.nStation = 9;
    s.shift = 1;
    render_frame(g.app);  // leaves the station that is not there
    EXPECT_EQ(s.render, 0);
}

// The mouse's wheel, buttons and moves in the pinned runs; here its edges:
// the passes run once more than there are records, so a move that crosses
// the threshold on the second record turns twice; a right click stops the
// turn even while the mouse moves; the buffer holds 32 records; a click
// released within one read still fires once.
TEST(Mouse, PassesRunOnceMoreThanThereAreRecords) {
    StartedGame g;
    GameState& s = g.s();
    platform::Platform& p = g.p;

    // A click released within one read still counts in that frame; the
    // fire it held is let go after the frame.
    p.postMouse(record(mouse::Button0, mouse::Pressed));
    p.postMouse(record(mouse::Button0, 0));
    readMouse(g.app);
    EXPECT_EQ(s.mouseButtonLeft, 1);
    EXPECT_EQ(s.feuer, 1);
    afterFrame(g.app);
    EXPECT_EQ(s.feuer, 0);
    readMouse(g.app);
    EXPECT_EQ(s.mouseButtonLeft, 0);

    p.postMouse(record(mouse::X, 4));
    p.postMouse(record(mouse::X, 4));
    readMouse(g.app);
    EXPECT_EQ(s.mouseRight, 1);
    EXPECT_FLOAT_EQ(s.kipp, -0.0006f);

    p.postMouse(record(mouse::Button1, mouse::Pressed));
    p.postMouse(record(mouse::Y, -20));
    readMouse(g.app);
    EXPECT_EQ(s.kipp, 0.0f);
    EXPECT_EQ(s.mouseButtonRight + s.mouseUp, 2);

    s.speed = 0.0f;
    for (int i = 0; i < 40; ++i) p.postMouse(record(mouse::Z, -120));
    readMouse(g.app);
    EXPECT_FLOAT_EQ(s.speed, -4.5f * 33);
}

// Each star gate reads the sun's mesh again and gives the old one back (a
// failed read: in the shell test).
TEST(Frame, TheSunMeshReadAgainAtEveryStarGateReplacesTheOld) {
    StartedGame g;
    const int live = g.p.liveMeshes();
    const std::size_t made = g.p.meshLive.size();
    for (int trip = 0; trip < 10; ++trip) g.app.reloadSunMesh();
    EXPECT_EQ(g.p.meshLive.size(), made + 10);  // ten fresh meshes
    EXPECT_EQ(g.p.liveMeshes(), live);          // and ten released
    EXPECT_EQ(g.app.ErrStr, nullptr);
}

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
    EXPECT_EQ(std::tuple(s.render, s.geld, g.p.flips), std::tuple(0, geld + 75, flips + 1));
    std::string picture;
    for (const std::string& line : g.p.shown) picture += line + '\n';
    EXPECT_NE(picture.find("\ndraw "), std::string::npos);  // the station model
    EXPECT_NE(picture.find("blit 16 700 1 "), std::string::npos);  // the leave line
    EXPECT_NE(picture.find("blit 776 8 1 64 16 16 16"), std::string::npos);  // "Deine Passgiere", not the offer
    EXPECT_FLOAT_EQ(s.stationsrotation, 0.02f);
}
