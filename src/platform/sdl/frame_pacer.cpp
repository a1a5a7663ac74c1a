#include "platform/sdl/frame_pacer.h"

#include <SDL_timer.h>

namespace platform::sdl {
namespace {

// SDL_Delay oversleeps by up to a scheduler tick; the rest is spun.
constexpr std::uint64_t kSpinMilliseconds = 2;

}  // namespace

FramePacer::FramePacer()
    : frequency_(SDL_GetPerformanceFrequency()), period_(frequency_ / kFramesPerSecond) {}

std::uint64_t FramePacer::nextDeadline(std::uint64_t deadline, std::uint64_t now,
                                       std::uint64_t period) {
    const std::uint64_t next = deadline + period;
    if (now > next && now - next > 2 * period) return now;
    return next;
}

void FramePacer::wait() {
    std::uint64_t now = SDL_GetPerformanceCounter();
    deadline_ = started_ ? nextDeadline(deadline_, now, period_) : now + period_;
    started_ = true;

    const std::uint64_t spin = frequency_ * kSpinMilliseconds / 1000;
    while (now + spin < deadline_) {
        const std::uint64_t sleepTicks = deadline_ - now - spin;
        const auto milliseconds = static_cast<Uint32>(sleepTicks * 1000 / frequency_);
        if (milliseconds == 0) break;
        SDL_Delay(milliseconds);
        now = SDL_GetPerformanceCounter();
    }
    while (SDL_GetPerformanceCounter() < deadline_) {
    }
}

bool wantsVsync(int refreshRate) { return refreshRate >= 59 && refreshRate <= 61; }

}  // namespace platform::sdl
