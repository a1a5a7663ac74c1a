// The controls as actions: bindings chosen by the player, taps shorter than
// a frame, the gamepad (its buttons, triggers, stick, the screens' face
// buttons and a pad pulled out), the focus, and the autosave as the game
// ends and docks.

#include <gtest/gtest.h>

#include "app/controls.h"
#include "app/frame.h"
#include "save/slot_files.h"
#include "support/font_cells.h"
#include "support/started_game.h"

using platform::Message;
namespace vk = platform::vk;
namespace pad = platform::pad;

namespace {

struct Game : StartedGame {
    void send(Message::Type type, int key, int value = 0) { WindowProc(app, {type, key, value}); }
    void frame() {
        render_frame(app);
        afterFrame(app);
    }
};

}  // namespace

// A key acts through the action it is bound to, and only through it: bound
// anew, the old key does nothing; a key bound to nothing does nothing.
TEST(Controls, KeysActThroughTheirBindings) {
    Game g;
    g.send(Message::KeyDown, vk::Shift);
    EXPECT_FLOAT_EQ(g.s().speed, 4.5f);
    EXPECT_EQ(g.s().shift, 1);
    g.frame();
    g.send(Message::KeyUp, vk::Shift);
    EXPECT_EQ(g.s().shift, 0);

    constexpr int kW = 26;  // the key above S, wherever the layout puts W
    ASSERT_EQ(g.app.einstellungen.belegung.bindeTaste(Aktion::Schneller, kW, false), Belegung::Ergebnis::Belegt);
    const GameState before = g.s();
    g.send(Message::KeyDown, vk::Shift);
    g.send(Message::KeyDown, vk::RightShift);
    g.send(Message::KeyDown, 4);  // A: bound to nothing
    EXPECT_EQ(g.s().speed, before.speed);
    EXPECT_EQ(g.s().shift, 0);
    g.send(Message::KeyDown, kW);
    EXPECT_FLOAT_EQ(g.s().speed, before.speed + 4.5f);
}

// A key pressed and released between two frames is seen held by the next
// frame and let go after it, with what its release resets; pressed again
// before that frame, it stays held.
TEST(Controls, ATapShorterThanAFrameActsOnce) {
    Game g;
    g.send(Message::KeyDown, vk::Left);
    g.send(Message::KeyUp, vk::Left);
    EXPECT_EQ(g.s().left, 1);
    EXPECT_FLOAT_EQ(g.s().kipp, 0.03f);
    const D3DVECTOR nose = g.s().blickrichtung;
    g.frame();
    EXPECT_NE(g.s().blickrichtung, nose);  // the frame turned the ship
    EXPECT_EQ(g.s().left, 0);
    EXPECT_EQ(g.s().kipp, 0.0f);

    g.send(Message::KeyDown, vk::Space);
    g.send(Message::KeyUp, vk::Space);
    g.send(Message::KeyDown, vk::Space);  // pressed again: held
    g.frame();
    EXPECT_EQ(g.s().feuer, 1);
    g.frame();
    g.send(Message::KeyUp, vk::Space);  // a frame saw the press: let go at once
    EXPECT_EQ(g.s().feuer, 0);
}

// The pad's buttons and triggers press actions; the stick turns in
// proportion past its dead zone, up to the arrow keys' rate, and stops the
// turn when let go or when the pad goes; the face buttons work the screens.
TEST(Controls, AGamepadFliesAndWorksTheScreens) {
    Game g;
    GameState& s = g.s();
    g.send(Message::PadButtonDown, pad::A);
    EXPECT_EQ(s.feuer, 1);
    g.frame();
    g.send(Message::PadButtonUp, pad::A);
    EXPECT_EQ(s.feuer, 0);

    // The trigger presses past half its way and lets go under a quarter.
    g.send(Message::PadAxis, pad::TriggerRight, 20000);
    EXPECT_FLOAT_EQ(s.speed, 4.5f);
    g.frame();
    g.send(Message::PadAxis, pad::TriggerRight, 12000);
    EXPECT_EQ(s.shift, 1);
    g.send(Message::PadAxis, pad::TriggerRight, 8000);
    EXPECT_EQ(s.shift, 0);
    // Held, it repeats like a held key: after 30 frames, then every second.
    s.speed = 0.0f;
    g.send(Message::PadAxis, pad::TriggerRight, 32767);
    for (int frame = 0; frame < 34; ++frame) readMouse(g.app);
    EXPECT_FLOAT_EQ(s.speed, 4.5f * 4);
    g.send(Message::PadAxis, pad::TriggerRight, 0);

    struct Stick {
        int x, y, totzone;
        bool umkehren;
        float kipp, nick;
    };
    const Stick cases[] = {
        {32767, 0, 20, false, -0.03f, 0.0f},            // full right: the Right arrow's rate
        {-32767, 32767, 20, false, 0.03f, 0.03f},       // full left and down
        {0, -32767, 20, true, 0.0f, 0.03f},             // up, inverted
        {6000, -6000, 20, false, 0.0f, 0.0f},           // inside the dead zone
        {16384, 0, 0, false, -0.03f * 0.25f, 0.0f},     // half way, squared
        {-19661, 0, 20, false, 0.03f * 0.25f, 0.0f},    // 0.6: half of what is left past 0.2
    };
    for (const Stick& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        g.app.einstellungen.totzone = c.totzone;
        g.app.einstellungen.padUmkehren = c.umkehren;
        s.kipp = s.nick = 0.0f;
        g.send(Message::PadAxis, pad::LeftX, c.x);
        g.send(Message::PadAxis, pad::LeftY, c.y);
        readMouse(g.app);
        EXPECT_NEAR(s.kipp, c.kipp, 1e-6f);
        EXPECT_NEAR(s.nick, c.nick, 1e-6f);
    }
    g.send(Message::PadAxis, pad::LeftX, 32767);
    readMouse(g.app);
    ASSERT_NE(s.kipp, 0.0f);
    g.send(Message::PadButtonDown, pad::X);
    EXPECT_EQ(s.missileKey, 1);
    g.frame();
    g.send(Message::PadRemoved, 0);  // pulled out mid-flight: let go of it all
    readMouse(g.app);
    EXPECT_EQ(s.kipp, 0.0f);
    EXPECT_EQ(s.missileKey, 0);

    // On a screen A chooses and B leaves, as Return and Shift do.
    s.render = 2;
    g.send(Message::PadButtonDown, pad::A);
    EXPECT_EQ(s.enter, 1);
    EXPECT_EQ(s.feuer, 0);
    g.send(Message::PadButtonDown, pad::B);
    EXPECT_EQ(s.shift, 1);
}

// Losing the focus pauses the game (unless set otherwise); it goes on only
// when the player presses Pause; the paused picture says so.
TEST(Controls, LosingTheFocusPausesUntilThePlayersKey) {
    Game g;
    g.send(Message::FocusLost, 0);
    EXPECT_EQ(g.app.paused, 1);
    g.p.tracing = true;
    EXPECT_EQ(mainLoopPass(g.app), Pass::Paused);
    EXPECT_EQ(textRow(g.p, g.app.assets.zeichensatz, 376), "Pause");
    g.send(Message::FocusGained, 0);
    EXPECT_EQ(g.app.paused, 1);
    g.send(Message::KeyDown, vk::Pause);
    EXPECT_EQ(g.app.paused, 0);

    g.app.einstellungen.pauseOhneFokus = false;
    g.send(Message::FocusLost, 0);
    EXPECT_EQ(g.app.paused, 0);
}

// The autosave keeps the game as it ends by Esc, F8 or the window closed,
// and whenever the ship docks; the options menu loads it like a slot.
TEST(Controls, TheAutosaveKeepsTheGameWhenItEndsAndDocks) {
    for (const auto& ende : {std::pair{Message::KeyUp, vk::Escape}, {Message::KeyDown, vk::F8}, {Message::Destroy, 0}}) {
        Game g;
        g.s().geld = 4321;
        g.frame();
        g.send(ende.first, ende.second);
        GameState geladen = g.s();
        geladen.geld = 0;
        ASSERT_EQ(load(geladen, kAutoSlot, slotDirectory()), SlotErgebnis::Gelungen) << ende.first;
        EXPECT_EQ(geladen.geld, 4321);
    }
    Game g;
    g.s().geld = 777;
    ASSERT_TRUE(g.s().station[0]);
    g.s().x = g.s().station[0]->pos.x;
    g.s().y = g.s().station[0]->pos.y;
    g.s().z = g.s().station[0]->pos.z;
    g.frame();
    ASSERT_EQ(g.s().render, 2);
    GameState geladen = g.s();
    ASSERT_EQ(load(geladen, kAutoSlot, slotDirectory()), SlotErgebnis::Gelungen);
    EXPECT_EQ(geladen.geld, 777);

    // A folder that takes no file: the cockpit says so, the game goes on.
    std::filesystem::remove(slotDirectory() / slotFileName(kAutoSlot));
    std::filesystem::create_directories(slotDirectory() / slotFileName(kAutoSlot) / "x");
    autosave(g.app);
    EXPECT_EQ(g.s().menuMeldung, 5);
    EXPECT_GT(g.s().menuMeldungz, 0);
}
