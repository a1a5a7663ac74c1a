#pragma once

#include <cstdint>

namespace platform::sdl {

// The game's speeds are per frame, so frames come at 60 a second whatever the
// display does: each flip waits for the next deadline on the performance
// counter.
class FramePacer {
public:
    static constexpr int kFramesPerSecond = 60;

    FramePacer();

    // Sleeps, then spins for the last moment, until the next frame time.
    void wait();

    // The deadline that follows `deadline` at `now`: one period later, or
    // now itself when the game has fallen more than two frames behind (a
    // stall is not caught up with a burst of frames).
    static std::uint64_t nextDeadline(std::uint64_t deadline, std::uint64_t now,
                                      std::uint64_t period);

private:
    std::uint64_t frequency_;
    std::uint64_t period_;
    std::uint64_t deadline_ = 0;
    bool started_ = false;
};

// Vsync helps only where the display itself runs at the game's rate;
// elsewhere the pacer alone keeps time.
bool wantsVsync(int refreshRate);

}  // namespace platform::sdl
