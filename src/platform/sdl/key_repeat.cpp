#include "platform/sdl/key_repeat.h"

#include <cstdint>

namespace platform::sdl {
namespace {

// SDL stamps an event when it pumps it, not when the key moved, so a stalled
// game sees a press and its repeats with one time. Timings outside these
// bounds come from such a stall and are not learned.
constexpr std::uint32_t kMinDelay = 50, kMaxDelay = 5000;
constexpr double kMinInterval = 5, kMaxInterval = 2000;

// The modifiers' bits: SDL numbers the eight of them one after another, from
// left Ctrl to the right logo key.
unsigned modifierBit(SDL_Scancode key) {
    return key >= SDL_SCANCODE_LCTRL && key <= SDL_SCANCODE_RGUI ? 1u << (key - SDL_SCANCODE_LCTRL) : 0u;
}

// Whether `time` has come by `now`, across the wrap of the 32-bit clock.
bool reached(std::uint32_t now, std::uint32_t time) {
    return static_cast<std::int32_t>(now - time) >= 0;
}

}  // namespace

void KeyRepeater::keyDown(SDL_Scancode key, bool repeat, std::uint32_t time) {
    if (const unsigned bit = modifierBit(key)) {
        if (repeat) {
            // Seen repeating one Shift, the desktop repeats the other too.
            desktopRepeats_ |= bit | modifierBit(static_cast<SDL_Scancode>(SDL_SCANCODE_LCTRL + (key - SDL_SCANCODE_LCTRL + 4) % 8));
            return;
        }
        // A second modifier starts the hold afresh, as a newly pressed key would.
        modifiersHeld_ |= bit;
        repeated_ = key;
        pressTime_ = time;
        holdDelay_ = delay_;
        holdInterval_ = interval_;
        repeatsSent_ = 0;
        return;
    }
    if (key == SDL_SCANCODE_MODE) return;
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

void KeyRepeater::keyUp(SDL_Scancode key) {
    modifiersHeld_ &= ~modifierBit(key);
    if (key == timedKey_) timedKey_ = SDL_SCANCODE_UNKNOWN;
    // The one still held goes on repeating, without a new delay.
    if (key == repeated_ && modifiersHeld_ != 0) {
        for (int k = SDL_SCANCODE_LCTRL; k <= SDL_SCANCODE_RGUI; ++k) {
            if (modifiersHeld_ & modifierBit(static_cast<SDL_Scancode>(k))) repeated_ = static_cast<SDL_Scancode>(k);
        }
    }
}

void KeyRepeater::focusLost() {
    modifiersHeld_ = 0;
    timedKey_ = SDL_SCANCODE_UNKNOWN;
}

SDL_Scancode KeyRepeater::repeatDue(std::uint32_t now) {
    if (modifiersHeld_ == 0 || (desktopRepeats_ & modifierBit(repeated_)) != 0) return SDL_SCANCODE_UNKNOWN;
    const auto due = pressTime_ + holdDelay_ +
                     static_cast<std::uint32_t>(repeatsSent_ * holdInterval_);
    if (!reached(now, due)) return SDL_SCANCODE_UNKNOWN;
    ++repeatsSent_;
    return repeated_;
}

}  // namespace platform::sdl
