// Start-up, frame pacing and the cost of flight frames on the real platform.
//
//   frame_bench DATA_DIR [--quick] [--window WxH] [--render-scale native|original]
//               [--summary FILE]
//
// --quick: without the paced runs. --window: in a window of that size (the
// picture letterboxed in it) instead of at the desktop's size; with
// --render-scale drawn with as many pixels as shown (native) or at
// 1024 x 768 (original, scaled when shown). --summary: each figure as a line
// "name value", for comparing two runs (bench/compare_runs.sh).
//
// Runs wherever SDL puts its window: off-screen with SDL_VIDEODRIVER=offscreen,
// in a real window under X (for example xvfb-run). Prints:
//  - start-up to the first frame with all assets, and the parse time of all
//    meshes;
//  - frames per second over 600 paced flight frames (the game's pace: 60);
//  - unpaced: a bare clear-and-present, the sky and the panel alone (the
//    least of any flight frame), the flight frame at Earth with the
//    view distance 500, 10000 and 40000, as ms and frames per second and as
//    a ratio to the bare frame (the median of rounds that alternate the two,
//    with the lowest and highest round); every kind is first drawn for a
//    while untimed, so that caches, the driver's shader variants and the
//    machine's clock have settled;
//  - where the time of those flight frames goes, pass by pass (start: the
//    simulation and the clear; then sky, asteroids, gates, bodies, stations,
//    ships, cockpit, radar, present), as the median frame's ms with the
//    tenth and ninetieth percentile. The timer waits for the renderer at
//    every change of pass, so the passes add up to a little more than the
//    frame; the 2D copies' draw calls per frame and how often the panel was
//    kept from the frame before; at 10000 also with the panel drawn every
//    frame, as in a fight, where its readings change;
//  - 3000 frames paced at 60 at the view distance 10000 at Earth (stations
//    and ships), 1200 at 40000 and 1200 of the star map with all 545
//    systems: how many came late (more than 16.7 ms after the one before,
//    or more than 16.7 ms of work);
//  - the simulation of one flight frame at a full location (5000 asteroids,
//    50 ships), without drawing;
//  - unpaced: the star-map frame over Sol, as the map opens and zoomed out
//    until all 545 systems are drawn, as a ratio to the bare frame, with
//    and without the coarse stand-ins for meshes that show only a dot.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/frame.h"
#include "flight/flight_step.h"
#include "ui/cockpit.h"
#include "platform/device_setup.h"
#include "platform/render_object.h"
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

// The figures of a run, for comparing two runs line by line.
struct Summary {
    std::string text;
    void add(const std::string& name, double value) {
        std::string key = name;
        std::replace(key.begin(), key.end(), ' ', '_');
        char line[256];
        std::snprintf(line, sizeof line, "%s %.4f\n", key.c_str(), value);
        text += line;
    }
};

enum Pass { kStart, kSky, kAsteroids, kGates, kBodies, kStations, kShips, kCockpit, kRadar, kPresent, kPasses };
constexpr const char* kPassNames[kPasses] = {"start", "sky",      "asteroids", "gates", "bodies",
                                              "stations", "ships", "cockpit",   "radar", "present"};

// Times each pass of the flight frame, telling the passes apart by the mesh
// drawn, the radar's viewport and the 2D copies.
class PassTimer {
public:
    PassTimer(platform::SdlPlatform& p, const Meshes& meshes) : p_(p) {
        auto mark = [&](int name, Pass pass) {
            if (const CD3DFile* mesh = meshes[name]) {
                for (platform::MeshId id : mesh->meshIds()) passOf_[id] = pass;
            }
        };
        mark(lpXFileCube, kSky);
        mark(lpXFileAsteroid, kAsteroids);
        mark(lpXFileTor, kGates);
        mark(lpXFilePlanet, kBodies);
        mark(lpXFileSonne, kBodies);
        for (int n = lpXFileStation1; n <= lpXFileStation4; ++n) mark(n, kStations);
        for (int n = lpXFileRaumschiff2; n <= lpXFileRaumschiff1; ++n) mark(n, kShips);
    }

    void frame(App& app) {
        p_.setDrawProbe([this](const platform::SdlPlatform::DrawProbe& probe) { enter(passOf(probe)); });
        ms_.fill(0.0);
        current_ = kStart;
        last_ = Clock::now();
        render_frame(app);
        p_.finishDrawing();  // the present's own work
        const auto end = Clock::now();
        ms_[current_] += std::chrono::duration<double, std::milli>(end - last_).count();
        p_.setDrawProbe(nullptr);
        for (int i = 0; i < kPasses; ++i) frames_[i].push_back(ms_[i]);
    }

    // Each pass's median ms with the tenth and ninetieth percentile.
    void report(const std::string& what, Summary& summary) const {
        std::printf("   passes, ms/frame (10th..90th percentile):");
        for (int i = 0; i < kPasses; ++i) {
            std::vector<double> v = frames_[i];
            std::sort(v.begin(), v.end());
            const double median = v[v.size() / 2];
            std::printf(" %s %.2f (%.2f..%.2f)", kPassNames[i], median, v[v.size() / 10], v[v.size() * 9 / 10]);
            summary.add(what + " pass " + kPassNames[i] + " ms", median);
        }
        std::printf("\n");
    }

private:
    Pass passOf(const platform::SdlPlatform::DrawProbe& probe) const {
        using Probe = platform::SdlPlatform::DrawProbe;
        if (probe.kind == Probe::Present) return kPresent;
        if (probe.kind == Probe::Copy) return kCockpit;
        if (probe.viewportWidth < platform::kScreenHeight) return kRadar;
        const auto found = passOf_.find(probe.mesh);
        return found == passOf_.end() ? kShips : found->second;
    }

    void enter(Pass pass) {
        if (pass == current_) return;
        p_.finishDrawing();
        const auto now = Clock::now();
        ms_[current_] += std::chrono::duration<double, std::milli>(now - last_).count();
        current_ = pass;
        last_ = now;
    }

    platform::SdlPlatform& p_;
    std::map<platform::MeshId, Pass> passOf_;
    std::array<double, kPasses> ms_{};
    std::array<std::vector<double>, kPasses> frames_;
    Pass current_ = kStart;
    Clock::time_point last_;
};

// The machine's speed drifts (other guests share it), so every unpaced
// frame kind is measured in rounds that alternate with the bare
// clear-and-present frame; each round gives a ratio, and the median round
// is reported with the spread of the ratios.
struct Interleaved {
    double ms = 0;
    double lowMs = 0;
    double highMs = 0;
    double ratio = 0;
    double lowRatio = 0;
    double highRatio = 0;
};

// The floor every frame is measured against.
void clearAndPresent(platform::SdlPlatform& p) {
    p.clear(true, 0, true, 1.0f);
    p.flip();
}

// The least any flight frame draws: the 3D view cleared and covered by the
// sky sphere, the panel beside it, the present. Everything else a flight
// frame shows comes on top of this.
void skyAndPanel(App& app) {
    platform::Platform& p = app.platform;
    const GameState& s = app.game;
    prepareFrameDevice(p, app.ErrStr);
    p.setTransform(platform::TransformState::View, flightView(s.picture, s.backsight));
    p.clear(true, 0, true, 1.0f);
    if (p.beginScene()) {
        D3DMATRIX world;
        p.setTexture(app.assets.texture[lpCubeTexture]);
        Render_Object(p, app.meshes[lpXFileCube], s.picture.eye, {0, 0, 0}, -190000.0f, world);
        p.endScene();
    }
    drawPanel(p, app.assets);
    p.flip();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

Interleaved interleaved(platform::SdlPlatform& p, const std::function<void()>& frame) {
    constexpr int kRounds = 15;
    constexpr int kPerRound = 20;
    constexpr int kWarmUp = 60;
    for (int i = 0; i < kWarmUp; ++i) {
        clearAndPresent(p);
        frame();
    }
    std::vector<double> ms, ratios;
    for (int round = 0; round < kRounds; ++round) {
        const double bare = secondsFor(kPerRound, [&] { clearAndPresent(p); });
        const double seconds = secondsFor(kPerRound, frame);
        ms.push_back(seconds * 1000 / kPerRound);
        ratios.push_back(seconds / bare);
    }
    const auto [low, high] = std::minmax_element(ratios.begin(), ratios.end());
    const auto [fast, slow] = std::minmax_element(ms.begin(), ms.end());
    return {median(ms), *fast, *slow, median(ratios), *low, *high};
}

void report(const std::string& what, const Interleaved& r, Summary& summary) {
    std::printf("unpaced %-34s %7.3f ms/frame (rounds %.2f..%.2f) %7.1f frames/s  %5.2f x clear-and-present "
                "(rounds %.2f..%.2f)\n",
                what.c_str(), r.ms, r.lowMs, r.highMs, 1000 / r.ms, r.ratio, r.lowRatio, r.highRatio);
    summary.add(what + " ms", r.ms);
    summary.add(what + " ratio", r.ratio);
}

// Frames paced at 60: how many came late (more than 16.7 ms of work up to
// the present, or more than 17.2 ms after the one before).
void pacedRun(platform::SdlPlatform& p, App& app, int frames, const std::string& what, Summary& summary) {
    constexpr double kFrameMs = 1000.0 / 60;
    int lateIntervals = 0;
    int lateWork = 0;
    double worstWork = 0;
    std::vector<double> works;
    Clock::time_point presentAt;
    p.setPacing(true);
    for (int i = 0; i < 60; ++i) render_frame(app);  // warming up
    p.setDrawProbe([&](const platform::SdlPlatform::DrawProbe& probe) {
        if (probe.kind != platform::SdlPlatform::DrawProbe::Present) return;
        p.finishDrawing();
        presentAt = Clock::now();
    });
    auto before = Clock::now();
    for (int i = 0; i < frames; ++i) {
        const auto start = Clock::now();
        render_frame(app);
        const auto end = Clock::now();
        // The work is all up to the present (waited for); the pacer waits
        // after it.
        const double work = std::chrono::duration<double, std::milli>(presentAt - start).count();
        worstWork = std::max(worstWork, work);
        works.push_back(work);
        if (work > kFrameMs) ++lateWork;
        if (std::chrono::duration<double, std::milli>(end - before).count() > kFrameMs + 0.5) ++lateIntervals;
        before = end;
    }
    p.setDrawProbe(nullptr);
    p.setPacing(false);
    std::sort(works.begin(), works.end());
    std::printf("paced %s: %d of %d frames with over 16.7 ms of work (median %.2f ms, 99th percentile %.2f, the "
                "longest %.2f); %d came more than 17.2 ms after the one before\n",
                what.c_str(), lateWork, frames, works[works.size() / 2], works[works.size() * 99 / 100], worstWork,
                lateIntervals);
    summary.add("paced " + what + " late", lateWork);
}

}  // namespace

int main(int argc, char** argv) {
    bool quick = false;
    int windowWidth = 0, windowHeight = 0;
    platform::RenderScale scale = platform::RenderScale::Automatic;
    std::string summaryFile;
    bool usage = argc < 2;
    for (int i = 2; i < argc && !usage; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--quick") {
            quick = true;
        } else if (a == "--window" && hasValue) {
            usage = std::sscanf(argv[++i], "%dx%d", &windowWidth, &windowHeight) != 2 || windowWidth < 320 ||
                    windowHeight < 240;
        } else if (a == "--render-scale" && hasValue) {
            const std::string word = argv[++i];
            scale = word == "native" ? platform::RenderScale::Native : platform::RenderScale::Original;
            usage = word != "native" && word != "original";
        } else if (a == "--summary" && hasValue) {
            summaryFile = std::filesystem::absolute(argv[++i]).string();
        } else {
            usage = true;
        }
    }
    if (usage) {
        std::fprintf(stderr, "usage: frame_bench DATA_DIR [--quick] [--window WxH] "
                             "[--render-scale native|original] [--summary FILE]\n");
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
    platform::SdlPlatform p;
    if (windowWidth > 0) {
        p.setWindowed(true);
        p.setWindowSize(windowWidth, windowHeight);
    }
    p.setRenderScale(scale);
    App app(p);
    app.clockSource = [] { return 1u; };
    if (!Init(app)) {
        std::fprintf(stderr, "frame_bench: start-up failed: %s\n", app.ErrStr ? app.ErrStr : "?");
        return 1;
    }
    render_frame(app);
    std::printf("start-up to the first frame: %.0f ms\n",
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    const auto& layout = p.layout();
    std::printf("picture shown at %d x %d, drawn at %d x %d%s\n", layout.shown.w, layout.shown.h,
                layout.buffer.width, layout.buffer.height, p.softwareRenderer() ? " (software renderer)" : "");
    meshParseSeconds();
    Summary summary;

    constexpr int kFrames = 600;
    if (!quick) {
        const double paced = secondsFor(kFrames, [&] { render_frame(app); });
        std::printf("paced flight frames: %.2f frames/s over %d frames\n", kFrames / paced, kFrames);
    }

    p.setPacing(false);
    secondsFor(kFrames / 10, [&] { clearAndPresent(p); });  // warming up
    const double bare = secondsFor(kFrames, [&] { clearAndPresent(p); });
    std::printf("unpaced %-34s %7.3f ms/frame %7.1f frames/s\n", "clear-and-present", bare * 1000 / kFrames,
                kFrames / bare);
    summary.add("clear-and-present ms", bare * 1000 / kFrames);
    GameState& s = app.game;
    report("sky and panel only", interleaved(p, [&] { skyAndPanel(app); }), summary);
    for (float sight : {500.0f, 10000.0f, 40000.0f}) {
        s.SIGHT = sight;
        const std::string what = "flight frame at SIGHT " + std::to_string(static_cast<int>(sight));
        report(what, interleaved(p, [&] { render_frame(app); }), summary);
        PassTimer passes(p, app.meshes);
        const long copyDraws = p.copyDraws();
        const long kept = p.panelsKept();
        for (int i = 0; i < 100; ++i) passes.frame(app);
        passes.report(what, summary);
        std::printf("   2D copies in %.1f draws a frame; the panel kept from the frame before in %ld of 100 frames\n",
                    (p.copyDraws() - copyDraws) / 100.0, p.panelsKept() - kept);
        if (sight == 10000.0f) {
            // As in a fight, where the panel's readings change every frame.
            p.setRetainedPanel(false);
            PassTimer drawn(p, app.meshes);
            for (int i = 0; i < 100; ++i) drawn.frame(app);
            std::printf("   the same with the panel drawn every frame:\n");
            drawn.report(what + " panel drawn", summary);
            p.setRetainedPanel(true);
        }
    }

    // Paced play at the default view distance.
    s.SIGHT = 10000.0f;
    if (!quick) pacedRun(p, app, 3000, "at SIGHT 10000 at Earth", summary);
    s.SIGHT = 40000.0f;
    if (!quick) pacedRun(p, app, 1200, "at SIGHT 40000 at Earth", summary);
    s.SIGHT = 10000.0f;

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
        const std::string what = "star-map frame, " + std::to_string(drawn) + " systems";
        const long coarseBefore = p.coarseDraws();
        render_frame(app);
        const long coarse = p.coarseDraws() - coarseBefore;
        report(what, interleaved(p, [&] { render_frame(app); }), summary);
        p.setCoarseDistant(false);
        report(what + ", every sphere in full", interleaved(p, [&] { render_frame(app); }), summary);
        p.setCoarseDistant(true);
        std::printf("   %ld of its draws coarse\n", coarse);
    }
    if (!quick) pacedRun(p, app, 1200, "star map with all 545 systems", summary);
    Cleanup(app);
    if (!summaryFile.empty()) {
        std::FILE* out = std::fopen(summaryFile.c_str(), "w");
        if (!out || std::fputs(summary.text.c_str(), out) < 0 || std::fclose(out) != 0) {
            std::fprintf(stderr, "frame_bench: cannot write %s\n", summaryFile.c_str());
            return 1;
        }
    }
    return 0;
}
