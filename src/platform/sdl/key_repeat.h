#pragma once

#include <SDL_scancode.h>

#include <cstdint>

namespace platform::sdl {

// Repeats a held modifier key (Shift, Ctrl, Alt, the logo keys). A key bound
// to speeding up acts once per key-down, but X11 (and most keymaps
// elsewhere) never repeats modifiers. So the repeater learns the desktop's
// delay and rate from the repeats SDL reports for other keys and, while a
// modifier is held, tells when the next key-down of the last one pressed is
// due. Times are SDL_GetTicks milliseconds, handed in by the caller; they may
// wrap.
class KeyRepeater {
public:
    // What is used until another key has been seen repeating.
    static constexpr std::uint32_t kFallbackDelay = 500;
    static constexpr double kFallbackInterval = 1000.0 / 30;

    // An SDL key-down; `repeat` for one of the desktop's own repeats.
    void keyDown(SDL_Scancode key, bool repeat, std::uint32_t time);
    void keyUp(SDL_Scancode key);
    // The window lost the keyboard; the key-ups for what is held may never come.
    void focusLost();

    // The modifier whose repeat is due by `now`, once for each repeat;
    // SDL_SCANCODE_UNKNOWN when none is. After a stall the repeats owed come
    // one call after another, as the desktop's queued ones would.
    SDL_Scancode repeatDue(std::uint32_t now);

    std::uint32_t delay() const { return delay_; }
    double interval() const { return interval_; }

private:
    std::uint32_t delay_ = kFallbackDelay;
    double interval_ = kFallbackInterval;

    // The modifiers held, one bit each, the one repeated, and the current
    // hold's timing, fixed when it started.
    unsigned modifiersHeld_ = 0;
    SDL_Scancode repeated_ = SDL_SCANCODE_UNKNOWN;
    std::uint32_t pressTime_ = 0;
    std::uint32_t holdDelay_ = 0;
    double holdInterval_ = 0;
    std::uint32_t repeatsSent_ = 0;
    // The modifiers the desktop has been seen repeating itself, which are
    // left to it.
    unsigned desktopRepeats_ = 0;

    // The key last pressed, whose repeats are being timed.
    SDL_Scancode timedKey_ = SDL_SCANCODE_UNKNOWN;
    std::uint32_t timedPress_ = 0;
    std::uint32_t timedFirstRepeat_ = 0;
    std::uint32_t timedRepeats_ = 0;
};

}  // namespace platform::sdl
