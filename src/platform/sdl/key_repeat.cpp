#include "platform/sdl/key_repeat.h"

#include <cstdint>

namespace platform::sdl {
namespace {

// SDL stamps an event when it pumps it, not when the key moved, so a stalled
// game sees a press and its repeats with one time. Timings outside these
// bounds come from such a stall and are not learned.
constexpr std::uint32_t kMinDelay = 50, kMaxDelay = 5000;
constexpr double kMinInterval = 5, kMaxInterval = 2000;

unsigned shiftBit(SDL_Keycode key) {
    switch (key) {
    case SDLK_LSHIFT: return 1;
    case SDLK_RSHIFT: return 2;
    default: return 0;
    }
}

bool isModifier(SDL_Keycode key) {
    switch (key) {
    case SDLK_LCTRL:
    case SDLK_LSHIFT:
    case SDLK_LALT:
    case SDLK_LGUI:
    case SDLK_RCTRL:
    case SDLK_RSHIFT:
    case SDLK_RALT:
    case SDLK_RGUI:
    case SDLK_MODE: return true;
    default: return false;
    }
}

// Whether `time` has come by `now`, across the wrap of the 32-bit clock.
bool reached(std::uint32_t now, std::uint32_t time) {
    return static_cast<std::int32_t>(now - time) >= 0;
}

}  // namespace

void KeyRepeater::keyDown(SDL_Keycode key, bool repeat, std::uint32_t time) {
    if (const unsigned bit = shiftBit(key)) {
        if (repeat) {
            desktopRepeatsShift_ = true;
            return;
        }
        // A second Shift starts the hold afresh, as a newly pressed key would.
        shiftsHeld_ |= bit;
        pressTime_ = time;
        holdDelay_ = delay_;
        holdInterval_ = interval_;
        repeatsSent_ = 0;
        return;
    }
    if (isModifier(key)) return;
    if (!repeat) {
        timedKey_ = key;
        timedPress_ = time;
        timedRepeats_ = 0;
        return;
    }
    if (key != timedKey_) return;
    if (timedRepeats_ == 0) {
        const std::uint32_t delay = time - timedPress_;
        if (delay >= kMinDelay && delay <= kMaxDelay) delay_ = delay;
        timedFirstRepeat_ = time;
    } else {
        // Averaged over the whole run, so that one late pump hardly counts.
        const double interval = static_cast<double>(time - timedFirstRepeat_) / timedRepeats_;
        if (interval >= kMinInterval && interval <= kMaxInterval) interval_ = interval;
    }
    ++timedRepeats_;
}

void KeyRepeater::keyUp(SDL_Keycode key) {
    shiftsHeld_ &= ~shiftBit(key);
    if (key == timedKey_) timedKey_ = SDLK_UNKNOWN;
}

void KeyRepeater::focusLost() {
    shiftsHeld_ = 0;
    timedKey_ = SDLK_UNKNOWN;
}

bool KeyRepeater::repeatDue(std::uint32_t now) {
    if (shiftsHeld_ == 0 || desktopRepeatsShift_) return false;
    const auto due = pressTime_ + holdDelay_ +
                     static_cast<std::uint32_t>(repeatsSent_ * holdInterval_);
    if (!reached(now, due)) return false;
    ++repeatsSent_;
    return true;
}

}  // namespace platform::sdl
