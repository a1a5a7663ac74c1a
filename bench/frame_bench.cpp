// Start-up, frame pacing and the cost of flight frames on the real platform.
//
//   frame_bench DATA_DIR
//
// Runs wherever SDL puts its window: off-screen with SDL_VIDEODRIVER=offscreen,
// in a real window under X (for example xvfb-run). Prints:
//  - start-up to the first frame with all assets, and the parse time of all
//    meshes;
//  - frames per second over 600 paced flight frames (the game's pace: 60);
//  - unpaced: a bare clear-and-present, the flight frame at Earth with the
//    view distance 10000 and 40000, as ms and frames per second and as a
//    ratio to the bare frame;
//  - the simulation of one flight frame at a full location (5000 asteroids,
//    50 ships), without drawing;
//  - unpaced: the star-map frame over Sol, as the map opens and zoomed out
//    until all 545 systems are drawn, as a ratio to the bare frame.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "app/app.h"
#include "app/frame.h"
#include "flight/flight_step.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/xfile/x_parser.h"
#include "world/location_generation.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsFor(int frames, const std::function<void()>& frame) {
    const auto start = Clock::now();
    for (int i = 0; i < frames; ++i) frame();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double meshParseSeconds() {
    int meshes = 0;
    const double seconds = secondsFor(1, [&] {
        for (const auto& entry : std::filesystem::directory_iterator(".")) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".x" && ext != ".X") continue;
            std::string error;
            meshes += xfile::readXFile(entry.path().string(), error).has_value();
        }
    });
    std::printf("parse of all %d meshes: %.2f ms\n", meshes, seconds * 1000);
    return seconds;
}

void report(const char* what, double seconds, int frames, double bare) {
    const double ms = seconds * 1000 / frames;
    std::printf("unpaced %-34s %7.3f ms/frame %7.1f frames/s  %5.2f x clear-and-present\n", what, ms,
                frames / seconds, seconds / bare);
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
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    std::printf("video driver: %s\n", driver ? driver : "default");

    const auto start = Clock::now();
    auto owned = platform::createSdlPlatform();
    auto& p = static_cast<platform::SdlPlatform&>(*owned);
    App app(p);
    app.clockSource = [] { return 1u; };
    if (!Init(app)) {
        std::fprintf(stderr, "frame_bench: start-up failed: %s\n", app.ErrStr ? app.ErrStr : "?");
        return 1;
    }
    render_frame(app);
    std::printf("start-up to the first frame: %.0f ms\n",
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    meshParseSeconds();

    constexpr int kFrames = 600;
    const double paced = secondsFor(kFrames, [&] { render_frame(app); });
    std::printf("paced flight frames: %.2f frames/s over %d frames\n", kFrames / paced, kFrames);

    p.setPacing(false);
    const double bare = secondsFor(kFrames, [&] {
        p.clear(true, 0, true, 1.0f);
        p.flip();
    });
    report("clear-and-present", bare, kFrames, bare);
    GameState& s = app.game;
    for (float sight : {500.0f, 10000.0f, 40000.0f}) {
        s.SIGHT = sight;
        const double seconds = secondsFor(200, [&] { render_frame(app); });
        const std::string what = "flight frame at SIGHT " + std::to_string(static_cast<int>(sight));
        report(what.c_str(), seconds, 200, bare * 200 / kFrames);
    }

    // A full location: the widest field and every ship slot taken.
    GameState full = s;
    QuietServices quiet(1);
    for (int i = 0; i < kRaumschiffSlots; ++i) addShip(full, 1 + i % kSchiffstypen);
    constexpr int kSteps = 5000;
    const double sim = secondsFor(kSteps, [&] { flightStep(full, quiet); });
    std::printf("flight simulation at a full location: %.4f ms/frame (%.1f %% of a 60 Hz frame)\n",
                sim * 1000 / kSteps, sim * 1000 / kSteps / (1000.0 / 60) * 100);

    // The star map over Sol: first the window the map opens with, then the
    // camera so far out that every system is in view.
    s.planetenpos = 8;
    s.render = 1;
    s.shift = 0;
    for (float zKarte : {0.0f, -4000.0f}) {
        s.zKarte = zKarte;
        render_frame(app);
        int drawn = 0;
        for (bool seen : s.picture.karte.sichtbar) drawn += seen;
        const double seconds = secondsFor(200, [&] { render_frame(app); });
        const std::string what = "star-map frame, " + std::to_string(drawn) + " systems";
        report(what.c_str(), seconds, 200, bare * 200 / kFrames);
    }
    Cleanup(app);
    return 0;
}
