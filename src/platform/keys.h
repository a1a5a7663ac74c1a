#pragma once

// The numbers of keys and gamepad buttons: a vocabulary every layer may use,
// as it uses the math.

namespace platform {

// Keys by their place on the keyboard, so that a key is the same one on
// every layout: the USB usage numbers, which SDL's scancodes are. The names
// are those of the American layout; keyLabel() tells what the player's own
// layout prints on a key.
namespace vk {
constexpr int Back = 42, Return = 40, KeypadEnter = 88, Shift = 225, RightShift = 229, Pause = 72,
              Escape = 41, Space = 44, Prior = 75, Next = 78, Left = 80, Up = 82, Right = 79, Down = 81,
              Delete = 76, F1 = 58, F2 = 59, F3 = 60, F4 = 61, F5 = 62, F6 = 63, F7 = 64, F8 = 65, F9 = 66,
              F10 = 67, F11 = 68, F12 = 69, Print = 70, Snapshot = Print, Count = 512;
}

// A gamepad's buttons, as SDL's game controller numbers them, and its two
// triggers taken as buttons; its axes, -32768..32767 (the triggers 0..32767).
namespace pad {
constexpr int A = 0, B = 1, X = 2, Y = 3, Back = 4, Guide = 5, Start = 6, LeftStick = 7, RightStick = 8,
              LeftShoulder = 9, RightShoulder = 10, DpadUp = 11, DpadDown = 12, DpadLeft = 13, DpadRight = 14,
              LeftTrigger = 30, RightTrigger = 31, None = -1;
constexpr int LeftX = 0, LeftY = 1, RightX = 2, RightY = 3, TriggerLeft = 4, TriggerRight = 5;
}  // namespace pad

}  // namespace platform
