#include <gtest/gtest.h>

#include "app/app.h"
#include "app/controls.h"
#include "app/frame.h"
#include "platform/data_files.h"
#include "platform/headless/headless_platform.h"
#include "save/slot_files.h"
#include "support/started_game.h"

using platform::HeadlessPlatform;
using platform::Message;
namespace vk = platform::vk;

namespace {

// A working directory with the one file start-up cannot do without.
struct GameDir : TempWorkDir {
    GameDir() { writeMinimalGameData(); }
};

}  // namespace

TEST(Shell, StartUpFailuresShowTheirText) {
    GameDir dir;
    using Step = HeadlessPlatform::Step;
    const std::pair<Step, const char*> cases[] = {
        {Step::RegisterWindowClass, "Error Registering Window Class"},
        {Step::CreateWindow, "Error Creating Window"},
        {Step::CreateDisplay, "DirectDrawCreate FAILED"},
        {Step::SetDisplayMode, "Error Setting Display Mode"},
        {Step::CreateFlipChain, "CreateSurface FAILED"},
        {Step::CreateDirect3D, "QueryInterface FAILED"},
        {Step::CreateDevice, "Device Creation Failed"},
        {Step::CreateZBuffer, nullptr},  // ends without a word
    };
    for (const auto& [step, text] : cases) {
        HeadlessPlatform p;
        p.failAt = step;
        App app(p);
        WinMain(app);
        EXPECT_TRUE(p.released);
        EXPECT_EQ(p.flips, 0);
        if (text) {
            ASSERT_EQ(p.messageBoxes.size(), 1u) << text;
            EXPECT_EQ(p.messageBoxes[0], std::string("Game: ") + text);
        } else {
            EXPECT_TRUE(p.messageBoxes.empty());
        }
    }

    // Without the font the display cannot be set up; what else there is to
    // say goes below the text.
    std::filesystem::remove(dir.path() / "Zeichensatz.bmp");
    HeadlessPlatform p;
    App app(p);
    app.errorDetail = "Looked in /x.";
    WinMain(app);
    ASSERT_EQ(p.messageBoxes.size(), 1u);
    EXPECT_EQ(p.messageBoxes[0], "Game: Error Loading Image\n\nLooked in /x.");
}

TEST(Shell, OnlyTheTestedMeshesAreNeededToStart) {
    GameDir dir;
    std::filesystem::remove(dir.path() / "Rakete.X");
    std::filesystem::remove(dir.path() / "Raumschiff7.X");
    {
        HeadlessPlatform p;
        App app(p);
        EXPECT_TRUE(Init(app));
        EXPECT_FALSE(app.meshes[lpXFileRakete]->loaded());
        EXPECT_TRUE(app.meshes[lpXFileRaumschiff1]->loaded());
    }
    for (const char* tested : {"Raumschiff1.X", "Tor.x"}) {
        std::filesystem::remove(dir.path() / tested);
        HeadlessPlatform p;
        App app(p);
        WinMain(app);
        ASSERT_EQ(p.messageBoxes.size(), 1u) << tested;
        EXPECT_EQ(p.messageBoxes[0], "Game: Error Loading Direct3D X File");
    }
}

TEST(Shell, TheSunMeshReloadKeepsTheOldOneOnFailure) {
    StartedGame g;
    App& app = g.app;
    CD3DFile* before = app.meshes[lpXFileSonne];
    std::filesystem::remove(g.dir.path() / "Kugel_newHell.x");
    reloadSunMesh(g.p, app.meshes, app.ErrStr);
    EXPECT_EQ(app.meshes[lpXFileSonne], before);
    EXPECT_TRUE(before->loaded());
    ASSERT_NE(app.ErrStr, nullptr);
    EXPECT_STREQ(app.ErrStr, "Error Loading Direct3D X File");
}

// Pause freezes the game: no frame runs (the picture, saying so, is drawn
// now and then), but keys still change the speed, and the game goes on from
// where it stood. Esc ends it on its release, after the frame that saw it
// pressed (the autosave it keeps: the controls test).
TEST(Shell, PauseFreezesTheGameWhileKeysStillSetTheSpeed) {
    StartedGame g;
    App& app = g.app;
    HeadlessPlatform& p = g.p;
    EXPECT_TRUE(p.mouseAcquired);
    EXPECT_EQ(mainLoopPass(app), Pass::Frame);
    p.postMessage({Message::KeyDown, vk::Pause});
    p.postMessage({Message::KeyDown, vk::Shift});
    p.postMessage({Message::KeyDown, vk::Shift});  // auto-repeat
    for (int i = 0; i < 3; ++i) EXPECT_EQ(mainLoopPass(app), Pass::Message);
    const GameState before = app.game;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(mainLoopPass(app), Pass::Paused);
    EXPECT_EQ(p.flips, 2);  // the frame, then the paused picture once
    EXPECT_EQ(app.game.x, before.x);
    EXPECT_EQ(app.game.rng.draws(), before.rng.draws());
    EXPECT_FLOAT_EQ(app.game.speed, 9.0f);

    p.postMessage({Message::KeyDown, vk::Pause});
    p.postMessage({Message::KeyDown, vk::Escape});
    p.postMessage({Message::KeyUp, vk::Escape});
    for (int i = 0; i < 3; ++i) EXPECT_EQ(mainLoopPass(app), Pass::Message);
    EXPECT_EQ(mainLoopPass(app), Pass::Frame);  // then Esc destroys the window
    EXPECT_FLOAT_EQ(app.game.x, before.x + 9.0f);
    EXPECT_FALSE(p.released);
    EXPECT_EQ(mainLoopPass(app), Pass::Message);  // which cleans up
    EXPECT_TRUE(p.released);
    EXPECT_EQ(mainLoopPass(app), Pass::Quit);
    EXPECT_TRUE(p.messageBoxes.empty());
}

// Started anywhere, the game reads everything from its data directory; F8
// opens the manual there, or says where it is when no viewer starts.
TEST(Shell, RunsFromItsDataDirectoryAndF8OpensTheManualThere) {
    GameDir data;
    TempWorkDir elsewhere;
    platform::setDataDirectory(data.path());
    const std::string manual = (data.path() / "Spielanleitung.htm").string();
    for (const bool viewer : {true, false}) {
        HeadlessPlatform p;
        p.documentViewer = viewer;
        App app(p);
        p.postMessage({Message::KeyDown, vk::F8});
        testing::internal::CaptureStderr();
        WinMain(app);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(p.messageBoxes.empty()) << p.messageBoxes[0];
        EXPECT_EQ(p.windowTitle, "Sternfahrt");
        ASSERT_EQ(p.documents.size(), 1u);
        EXPECT_EQ(p.documents[0], manual);
        EXPECT_EQ(said.find(manual) != std::string::npos, !viewer) << said;
        EXPECT_TRUE(p.released);
    }
    platform::setDataDirectory({});  // (that nothing is written elsewhere: the command line test)
}

// The view distance steps stop at their limits; the arrows steer only
// outside the options menu, but their release always stops the turn.
TEST(Shell, ViewDistanceStopsAtItsLimitsArrowsSteerOnlyOutsideTheOptionsMenu) {
    HeadlessPlatform p;
    App app(p);
    GameState& s = app.game;
    s.SIGHT = 39800.0f;
    WindowProc(app, {Message::KeyDown, vk::Prior});
    EXPECT_EQ(std::pair(s.SIGHT, s.sightchg), std::pair(40000.0f, 50));
    s.SIGHT = 700.0f;
    for (int i = 0; i < 2; ++i) WindowProc(app, {Message::KeyDown, vk::Next});
    EXPECT_EQ(s.SIGHT, 500.0f);

    WindowProc(app, {Message::KeyDown, vk::Left});
    WindowProc(app, {Message::KeyDown, vk::Up});
    EXPECT_FLOAT_EQ(s.kipp, 0.03f);
    EXPECT_FLOAT_EQ(s.nick, -0.03f);
    EXPECT_EQ(s.left + s.up, 2);

    s.abspeichern = 1;
    s.kipp = 0.01f;
    WindowProc(app, {Message::KeyDown, vk::Right});
    EXPECT_FLOAT_EQ(s.kipp, 0.01f);
    EXPECT_EQ(s.right, 1);
    // A release before any frame saw the press waits until after one.
    WindowProc(app, {Message::KeyUp, vk::Right});
    EXPECT_EQ(s.right, 1);
    afterFrame(app);
    EXPECT_EQ(s.kipp, 0.0f);
    EXPECT_EQ(s.right, 0);

    WindowProc(app, {Message::KeyDown, vk::Delete});
    EXPECT_EQ(s.nick, 0.0f);
    WindowProc(app, {Message::KeyDown, vk::F1});
    EXPECT_EQ(s.backsight, -1);
}

TEST(Sound, OneVoiceAndTheWarningNeverInterrupts) {
    GameDir dir;
    HeadlessPlatform p;
    playEffect(p, 2);
    EXPECT_EQ(p.sounds.back(), "Feindlaser.wav");
    playEffect(p, 3);  // the laser still plays: the warning is dropped
    EXPECT_EQ(p.sounds.size(), 1u);
    playEffect(p, 9);  // any other effect cuts in
    EXPECT_EQ(p.sounds.back(), "Explosion.wav");
    playEffect(p, 0);
    playEffect(p, 10);
    EXPECT_EQ(p.sounds.size(), 2u);

    // An effect plays for its length, a tenth of a second: six frames.
    for (int frame = 0; frame < 6; ++frame) {
        EXPECT_TRUE(p.soundPlaying()) << frame;
        p.flip();
    }
    EXPECT_FALSE(p.soundPlaying());
    playEffect(p, 3);
    EXPECT_EQ(p.sounds.back(), "EnergyLow.wav");

    // A file that is not there cuts off what plays and plays nothing.
    std::filesystem::remove(dir.path() / "Klick.wav");
    playEffect(p, 5);
    EXPECT_FALSE(p.soundPlaying());
    EXPECT_EQ(p.sounds.size(), 3u);

    // Without a sound card the game is silent and goes on.
    HeadlessPlatform silent;
    silent.soundDevice = false;
    playEffect(silent, 4);
    EXPECT_TRUE(silent.sounds.empty());
}
