#pragma once

#include <SDL_keycode.h>

#include <cstdint>

namespace platform::sdl {

// Repeats a held Shift key. The game speeds up once for each key-down of
// Shift, but X11 (and most keymaps elsewhere) never repeats modifier keys.
// So the repeater learns the desktop's delay and rate from the repeats SDL
// reports for other keys and, while either Shift is held, tells when the
// next key-down is due. Times are SDL_GetTicks milliseconds, handed in by
// the caller; they may wrap.
class KeyRepeater {
public:
    // What is used until another key has been seen repeating.
    static constexpr std::uint32_t kFallbackDelay = 500;
    static constexpr double kFallbackInterval = 1000.0 / 30;

    // An SDL key-down; `repeat` for one of the desktop's own repeats.
    void keyDown(SDL_Keycode key, bool repeat, std::uint32_t time);
    void keyUp(SDL_Keycode key);
    // The window lost the keyboard; the key-ups for what is held may never come.
    void focusLost();

    // True once for each repeat due by `now`. After a stall the repeats owed
    // come one call after another, as the desktop's queued ones would.
    bool repeatDue(std::uint32_t now);

    std::uint32_t delay() const { return delay_; }
    double interval() const { return interval_; }

private:
    std::uint32_t delay_ = kFallbackDelay;
    double interval_ = kFallbackInterval;

    // The Shift keys held, one bit each, and the current hold's timing,
    // fixed when it started.
    unsigned shiftsHeld_ = 0;
    std::uint32_t pressTime_ = 0;
    std::uint32_t holdDelay_ = 0;
    double holdInterval_ = 0;
    std::uint32_t repeatsSent_ = 0;
    // Once the desktop has repeated Shift itself, it is left to do so.
    bool desktopRepeatsShift_ = false;

    // The key last pressed, whose repeats are being timed.
    SDL_Keycode timedKey_ = SDLK_UNKNOWN;
    std::uint32_t timedPress_ = 0;
    std::uint32_t timedFirstRepeat_ = 0;
    std::uint32_t timedRepeats_ = 0;
};

}  // namespace platform::sdl
