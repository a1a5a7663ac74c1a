#include "platform/sdl/key_repeat.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <tuple>

#include "platform/sdl/event_pump.h"

namespace {

using namespace platform;
using sdl::KeyRepeater;

// How many repeats are due by `now`, taking them all.
int repeatsBy(KeyRepeater& r, std::uint32_t now) {
    int count = 0;
    while (r.repeatDue(now) != SDL_SCANCODE_UNKNOWN && count < 10000) ++count;
    return count;
}

TEST(KeyRepeaterTest, EitherShiftRepeatsAtTheFallbackUntilReleased) {
    for (const SDL_Scancode shift : {SDL_SCANCODE_LSHIFT, SDL_SCANCODE_RSHIFT}) {
        KeyRepeater r;
        r.keyDown(shift, false, 1000);
        EXPECT_EQ(repeatsBy(r, 1499), 0);
        EXPECT_EQ(repeatsBy(r, 1500), 1);
        // Held 2 s in all: 1 + 1500 / 33.3 repeats, the owed ones one by one.
        EXPECT_EQ(repeatsBy(r, 3000), 45);
    }
    KeyRepeater r;  // across the wrap of SDL's clock
    r.keyDown(SDL_SCANCODE_LSHIFT, false, 0xFFFFFF00u);
    EXPECT_EQ(repeatsBy(r, 0xFFFFFFFFu), 0);
    EXPECT_EQ(repeatsBy(r, 244), 1);
}

TEST(KeyRepeaterTest, LearnsTheRateFromOtherKeysOnly) {
    KeyRepeater r;
    // Return's delay and its repeats averaged from the first; then, ignored:
    // a modifier, a press seen with its repeats in one stalled pump, and
    // repeats of a key other than the last pressed.
    const std::tuple<SDL_Scancode, bool, std::uint32_t> keys[] = {
        {SDL_SCANCODE_RETURN, false, 100}, {SDL_SCANCODE_RETURN, true, 760}, {SDL_SCANCODE_RETURN, true, 800},
        {SDL_SCANCODE_RETURN, true, 890},  {SDL_SCANCODE_LCTRL, false, 900}, {SDL_SCANCODE_LCTRL, true, 950},
        {SDL_SCANCODE_LCTRL, true, 960},   {SDL_SCANCODE_UP, false, 1200},   {SDL_SCANCODE_UP, true, 1200},
        {SDL_SCANCODE_UP, true, 1201},     {SDL_SCANCODE_DOWN, true, 1300},  {SDL_SCANCODE_DOWN, true, 1400}};
    for (const auto& [key, repeat, time] : keys) r.keyDown(key, repeat, time);
    EXPECT_EQ(r.delay(), 660u);
    EXPECT_DOUBLE_EQ(r.interval(), 65.0);

    r.keyDown(SDL_SCANCODE_RSHIFT, false, 2000);
    EXPECT_EQ(repeatsBy(r, 2659), 0);
    EXPECT_EQ(repeatsBy(r, 2660), 1);
    EXPECT_EQ(repeatsBy(r, 2724), 0);
    EXPECT_EQ(repeatsBy(r, 2725), 1);
}

TEST(KeyRepeaterTest, StopsWhenNoShiftIsHeldOrTheDesktopRepeats) {
    KeyRepeater r;
    r.keyDown(SDL_SCANCODE_LSHIFT, false, 0);
    r.keyDown(SDL_SCANCODE_RSHIFT, false, 100);  // starts the hold afresh
    EXPECT_EQ(repeatsBy(r, 599), 0);
    r.keyUp(SDL_SCANCODE_LSHIFT);
    EXPECT_EQ(repeatsBy(r, 600), 1);
    r.keyUp(SDL_SCANCODE_RSHIFT);
    EXPECT_EQ(repeatsBy(r, 5000), 0);

    r.keyDown(SDL_SCANCODE_LSHIFT, false, 6000);
    EXPECT_EQ(repeatsBy(r, 6500), 1);
    // The desktop's own repeat, here before the fallback's delay, and on
    // later presses too.
    r.keyDown(SDL_SCANCODE_LSHIFT, false, 10000);
    r.keyDown(SDL_SCANCODE_LSHIFT, true, 10400);
    EXPECT_EQ(repeatsBy(r, 12000), 0);
    r.keyDown(SDL_SCANCODE_RSHIFT, false, 13000);
    EXPECT_EQ(repeatsBy(r, 15000), 0);
}

TEST(KeyRepeaterTest, PumpHandsOutTheRepeatWhenNoEventComes) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0);
    InputQueue queue;
    KeyRepeater repeater;
    std::uint32_t now = 0;
    const auto pump = [&](std::uint32_t at, Message& m) {
        now = at;
        return sdl::pumpMessage(m, queue, repeater, [&now] { return now; });
    };
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.scancode = SDL_SCANCODE_LSHIFT;
    ASSERT_EQ(SDL_PushEvent(&event), 1);  // stamped with SDL_GetTicks
    Message m;
    ASSERT_TRUE(pump(0, m));
    const std::uint32_t pressed = SDL_GetTicks();
    EXPECT_FALSE(pump(pressed + 400, m));
    m = Message{Message::KeyUp, 0};
    ASSERT_TRUE(pump(pressed + KeyRepeater::kFallbackDelay, m));
    EXPECT_EQ(m.type, Message::KeyDown);
    EXPECT_EQ(m.key, vk::Shift);

    // Focus loss ends it, though no key-up has come; the game hears of it.
    event = SDL_Event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    ASSERT_TRUE(pump(pressed + 5000, m));
    EXPECT_EQ(m.type, Message::FocusLost);
    EXPECT_FALSE(pump(pressed + 5000, m));
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

}  // namespace
