#include <gtest/gtest.h>

#include "app/app.h"
#include "app/controls.h"
#include "app/frame.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

using platform::HeadlessPlatform;
using platform::MouseEvent;
namespace mouse = platform::mouse;

namespace {

// A started game at Earth, with a fixed clock.
struct StartedGame {
    TempWorkDir dir;
    HeadlessPlatform p;
    App app{p};

    StartedGame() {
        dir.writeMinimalGameData();
        app.clockSource = [] { return 1234u; };
        EXPECT_TRUE(Init(app));
    }
    GameState& s() { return app.game; }

    // Puts a station and a gate where the ship is.
    void stationAndGateAtShip(std::optional<Gate>& gate, int side) {
        s().station[0] = Station{};
        s().station[0]->pos = {s().x, s().y, s().z};
        gate.emplace(side);
        gate->pos = {s().x, s().y, s().z};
    }
};

MouseEvent record(std::uint32_t offset, std::int32_t data) {
    return {offset, static_cast<std::uint32_t>(data), 0, 0};
}

}  // namespace

TEST(Frame, AStarGateInTheDockingFrameWinsAndTheMapRunsAtOnce) {
    StartedGame g;
    g.stationAndGateAtShip(g.s().sternentor, 1);
    render_frame(g.app);
    EXPECT_EQ(g.s().render, 1);
    EXPECT_EQ(g.s().nStation, 0);
    EXPECT_EQ(g.p.flips, 2);  // the flight picture, then the star map's
    EXPECT_EQ(g.p.sounds.back(), "Sternentor.wav");
}

TEST(Frame, AMoonGateInTheDockingFrameStartsTheJump) {
    StartedGame g;
    g.stationAndGateAtShip(g.s().mondtor, 3);
    render_frame(g.app);
    EXPECT_EQ(g.s().mondpos, 1);
    EXPECT_EQ(g.s().render, 3);
    EXPECT_EQ(g.p.flips, 2);
    EXPECT_EQ(g.s().torsprungz, 59);  // the jump's first frame ran too
    for (int i = 0; i < 59; ++i) render_frame(g.app);
    EXPECT_EQ(g.s().render, 0);
    EXPECT_EQ(g.s().x, -31000.0f);
}

TEST(Frame, DockingIsBlockedInCombatAndTheStationBounces) {
    StartedGame g;
    GameState& s = g.s();
    s.raumschiff[0].emplace(8, s.rng);  // a pirate
    s.station[0] = Station{};
    s.station[0]->pos = {s.x + 20.0f, s.y, s.z};
    s.speed = 30.0f;
    render_frame(g.app);
    EXPECT_EQ(s.render, 0);
    EXPECT_EQ(s.kampf, 1);
    EXPECT_FLOAT_EQ(s.speed, -1.6f);  // capped to 8 beside the station, then bounced
    EXPECT_EQ(g.p.sounds.back(), "machine.wav");
}

TEST(Frame, LeavingTheStationPutsTheShipInFrontAtRest) {
    StartedGame g;
    GameState& s = g.s();
    s.render = 2;
    s.nStation = 0;
    s.station[0] = Station{};
    s.station[0]->pos = {100, 200, 300};
    s.speed = 12.0f;
    render_frame(g.app);
    EXPECT_EQ(s.render, 2);  // nothing asks to leave
    s.shift = 1;
    render_frame(g.app);
    EXPECT_EQ(s.render, 0);
    EXPECT_EQ(s.speed, 0.0f);
    EXPECT_EQ(D3DVECTOR(s.x, s.y, s.z), D3DVECTOR(100 + 900, 200, 300));
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

TEST(Frame, HintCountsDownInEveryModeAndOptionsWaitForPeace) {
    StartedGame g;
    GameState& s = g.s();
    EXPECT_EQ(s.hintFrames, 500);
    s.render = 2;
    s.station[0] = Station{};
    render_frame(g.app);
    EXPECT_EQ(s.hintFrames, 499);

    s.render = 0;
    s.optionsKey = 1;
    s.kampf = 1;
    render_frame(g.app);
    EXPECT_EQ(s.abspeichern, 0);
    EXPECT_EQ(s.optionsKey, 1);
    s.kampf = 0;
    render_frame(g.app);
    EXPECT_EQ(s.abspeichern, 1);
    EXPECT_EQ(s.optionsKey, 0);
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

TEST(Mouse, PassesRunOnceMoreThanThereAreRecords) {
    StartedGame g;
    GameState& s = g.s();
    platform::Platform& p = g.p;

    p.postMouse(record(mouse::Z, 120));
    readMouse(g.app);
    EXPECT_FLOAT_EQ(s.speed, 9.0f);
    EXPECT_EQ(s.wheelForward, 1);

    // A click released within one read still counts in that frame; the
    // fire it held is let go after the frame.
    p.postMouse(record(mouse::Button0, mouse::Pressed));
    p.postMouse(record(mouse::Button0, 0));
    readMouse(g.app);
    EXPECT_EQ(s.mouseButtonLeft, 1);
    EXPECT_EQ(s.feuer, 1);
    EXPECT_EQ(s.wheelForward, 0);  // flags last one frame
    afterFrame(g.app);
    EXPECT_EQ(s.feuer, 0);
    readMouse(g.app);
    EXPECT_EQ(s.mouseButtonLeft, 0);

    p.postMouse(record(mouse::X, 3));
    p.postMouse(record(mouse::X, 2));
    p.postMouse(record(mouse::Y, -5));
    readMouse(g.app);
    EXPECT_EQ(s.mouseLeft + s.mouseRight + s.mouseUp + s.mouseDown, 0);
    EXPECT_EQ(s.kipp, 0.0f);

    // Crossing the threshold on the second record: that pass and the final
    // one each add a step.
    p.postMouse(record(mouse::X, 4));
    p.postMouse(record(mouse::X, 4));
    readMouse(g.app);
    EXPECT_EQ(s.mouseRight, 1);
    EXPECT_FLOAT_EQ(s.kipp, -0.0006f);

    // A right click stops the turn even while the mouse moves.
    p.postMouse(record(mouse::Button1, mouse::Pressed));
    p.postMouse(record(mouse::Y, -20));
    readMouse(g.app);
    EXPECT_EQ(s.kipp, 0.0f);
    EXPECT_EQ(s.mouseButtonRight, 1);
    EXPECT_EQ(s.mouseUp, 1);

    // Middle button stops the ship; the buffer holds 32 records.
    p.postMouse(record(mouse::Button2, mouse::Pressed));
    readMouse(g.app);
    EXPECT_EQ(s.speed, 0.0f);
    for (int i = 0; i < 40; ++i) p.postMouse(record(mouse::Z, -120));
    readMouse(g.app);
    EXPECT_FLOAT_EQ(s.speed, -4.5f * 33);
}
