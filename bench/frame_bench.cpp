// Frame pacing and the cost of a frame on the real platform.
//
//   frame_bench DATA_DIR
//
// Runs wherever SDL puts its window: off-screen with SDL_VIDEODRIVER=offscreen,
// in a real window under X (for example xvfb-run). Prints:
//  - frames per second over 600 paced flight frames (the game's pace: 60);
//  - unpaced, the time of a bare clear-and-present and of an empty flight
//    frame, and their ratio.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "app/app.h"
#include "app/frame.h"
#include "platform/sdl/sdl_platform.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsFor(int frames, const std::function<void()>& frame) {
    const auto start = Clock::now();
    for (int i = 0; i < frames; ++i) frame();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: frame_bench DATA_DIR\n");
        return 2;
    }
    std::error_code ec;
    std::filesystem::current_path(argv[1], ec);
    if (ec) {
        std::fprintf(stderr, "frame_bench: cannot enter %s\n", argv[1]);
        return 2;
    }
    setenv("SDL_AUDIODRIVER", "dummy", 0);

    auto owned = platform::createSdlPlatform();
    auto& p = static_cast<platform::SdlPlatform&>(*owned);
    App app(p);
    app.clockSource = [] { return 1u; };
    if (!Init(app)) {
        std::fprintf(stderr, "frame_bench: start-up failed: %s\n", app.ErrStr ? app.ErrStr : "?");
        return 1;
    }
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    std::printf("video driver: %s\n", driver ? driver : "default");

    constexpr int kFrames = 600;
    render_frame(app);  // settle the pacer's first deadline
    const double paced = secondsFor(kFrames, [&] { render_frame(app); });
    std::printf("paced flight frames: %.2f frames/s over %d frames\n", kFrames / paced, kFrames);

    p.setPacing(false);
    const double bare = secondsFor(kFrames, [&] {
        p.clear(true, 0, true, 1.0f);
        p.flip();
    });
    const double flight = secondsFor(kFrames, [&] { render_frame(app); });
    std::printf("unpaced clear-and-present: %.3f ms/frame\n", bare * 1000 / kFrames);
    std::printf("unpaced empty flight frame: %.3f ms/frame (%.2f x clear-and-present)\n",
                flight * 1000 / kFrames, flight / bare);
    Cleanup(app);
    return 0;
}
