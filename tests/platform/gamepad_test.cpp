// A gamepad through SDL's game controller API, with no hardware: SDL's
// virtual joystick plugged in, moved, pressed and pulled out reaches the
// game as messages.

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/sdl_platform.h"

using namespace platform;

TEST(GamepadTest, AVirtualPadIsPluggedInMovedPressedAndPulledOut) {
    SdlPlatform p;
    ASSERT_TRUE(p.registerWindowClass());
    Message m;
    while (p.peekMessage(m)) {
    }
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    const int device = SDL_JoystickAttachVirtualEx(&desc);
    ASSERT_GE(device, 0) << SDL_GetError();
    ASSERT_TRUE(SDL_IsGameController(device));

    // Everything that comes before nothing more is pending.
    auto messages = [&] {
        std::vector<Message> out;
        for (int tries = 0; tries < 50 && out.size() < 20; ++tries) {
            while (p.peekMessage(m)) out.push_back(m);
            SDL_Delay(1);
        }
        return out;
    };
    auto has = [](const std::vector<Message>& list, Message::Type type, int key, int value = 0) {
        for (const Message& x : list) {
            if (x.type == type && x.key == key && x.value == value) return true;
        }
        return false;
    };
    std::vector<Message> got = messages();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.front().type, Message::PadAdded);

    SDL_Joystick* stick = SDL_JoystickFromInstanceID(got.front().key);
    ASSERT_NE(stick, nullptr);
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTX, -20000);
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, 1);
    SDL_GameControllerUpdate();
    got = messages();
    EXPECT_TRUE(has(got, Message::PadAxis, pad::LeftX, -20000));
    EXPECT_TRUE(has(got, Message::PadButtonDown, pad::A));
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, 0);
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 30000);
    SDL_GameControllerUpdate();
    got = messages();
    EXPECT_TRUE(has(got, Message::PadButtonUp, pad::A));
    // A trigger's joystick axis comes as 0..32767, pressed past the middle.
    bool abzug = false;
    for (const Message& x : got) abzug |= x.type == Message::PadAxis && x.key == pad::TriggerRight && x.value > 16384;
    EXPECT_TRUE(abzug);

    ASSERT_EQ(SDL_JoystickDetachVirtual(device), 0);
    got = messages();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back().type, Message::PadRemoved);
    p.release();
}
