// Runs the real game for a number of frames with scripted input, without a
// window: takes screenshots of chosen frames and dumps the game state.
//
//   runner [--frames N] [--script FILE] [--clock MS] [--data DIR]
//          [--shot FRAME:FILE.png]... [--dump FILE.json] [--headless]
//          [--record FRAME:FILE]... [--trace FILE] [--lang de|en]
//          [--settings FILE] [--window WxH] [--render-scale native|original]
//
// Frames count from 0. The script is an input recording (see
// app/input_script.h); --clock fixes the clock every arrival is seeded with
// (the script's own clock lines come first). --data is the directory with
// the game's data files (the working directory by default). The picture is
// rendered off-screen with OpenGL unless --headless, which draws 2D only
// and is much faster. With --headless, --record writes what one frame put on
// the screen (every copy, clear and draw with the device state it was made
// in, one line each), and --trace writes the player's state after every
// frame with a fingerprint of the fight (ships, shots, missiles) and, every
// 60 frames, of the whole location. The game speaks German unless --lang
// says otherwise, whatever the desktop's language.
// --window renders into a window of that size (the picture letterboxed in
// it) and --render-scale chooses how many pixels it is drawn with, as the
// game's own option does; the screenshots are then the picture as shown, at
// the size shown.

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "app/app.h"
#include "app/frame.h"
#include "app/input_script.h"
#include "app/settings_file.h"
#include "inspector/digest.h"
#include "inspector/json_writer.h"
#include "inspector/world_json.h"
#include "platform/headless/headless_platform.h"
#include "platform/picture_file.h"
#include "platform/sdl/sdl_platform.h"

namespace {

constexpr const char* kUsage =
    "usage: runner [--frames N] [--script FILE] [--clock MS] [--data DIR]\n"
    "              [--shot FRAME:FILE.png]... [--dump FILE.json] [--headless]\n"
    "              [--record FRAME:FILE]... [--trace FILE] [--lang de|en]\n"
    "              [--settings FILE] [--window WxH] [--render-scale native|original]\n";

struct Options {
    std::int64_t frames = 60;
    std::string script, data, dump, trace, settings, lang;
    std::uint32_t clock = 0;
    std::multimap<std::int64_t, std::string> shots, records;
    bool headless = false;
    int windowWidth = 0, windowHeight = 0;
    platform::RenderScale scale = platform::RenderScale::Automatic;
};

int fail(const std::string& message) {
    std::fprintf(stderr, "runner: %s\n%s", message.c_str(), kUsage);
    return 2;
}

template <typename T>
bool number(std::string_view text, T& value) {
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    return r.ec == std::errc{} && r.ptr == text.data() + text.size();
}

std::optional<std::string> parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--headless") {
            o.headless = true;
        } else if (a == "--frames" && hasValue && number(argv[i + 1], o.frames) && o.frames >= 0) {
            ++i;
        } else if (a == "--clock" && hasValue && number(argv[i + 1], o.clock)) {
            ++i;
        } else if (a == "--script" && hasValue) {
            o.script = argv[++i];
        } else if (a == "--data" && hasValue) {
            o.data = argv[++i];
        } else if (a == "--lang" && hasValue && knownLanguage(argv[i + 1])) {
            o.lang = argv[++i];
        } else if (a == "--settings" && hasValue) {
            o.settings = argv[++i];
        } else if (a == "--window" && hasValue) {
            const std::string_view size = argv[++i];
            const auto x = size.find('x');
            if (x == std::string_view::npos || !number(size.substr(0, x), o.windowWidth) ||
                !number(size.substr(x + 1), o.windowHeight) || o.windowWidth < 320 || o.windowHeight < 240) {
                return std::string("--window takes WxH, at least 320x240");
            }
        } else if (a == "--render-scale" && hasValue) {
            const std::string_view scale = argv[++i];
            if (scale == "native") o.scale = platform::RenderScale::Native;
            else if (scale == "original") o.scale = platform::RenderScale::Original;
            else return std::string("--render-scale takes native or original");
        } else if (a == "--dump" && hasValue) {
            o.dump = argv[++i];
        } else if (a == "--trace" && hasValue) {
            o.trace = argv[++i];
        } else if ((a == "--shot" || a == "--record") && hasValue) {
            const std::string_view shot = argv[++i];
            const auto colon = shot.find(':');
            std::int64_t frame = 0;
            if (colon == std::string_view::npos || !number(shot.substr(0, colon), frame) ||
                colon + 1 == shot.size()) {
                return std::string(a) + " takes FRAME:FILE";
            }
            (a == "--shot" ? o.shots : o.records).emplace(frame, std::string(shot.substr(colon + 1)));
        } else {
            return "bad or incomplete option '" + std::string(a) + "'";
        }
    }
    if (!o.headless && (!o.records.empty())) return "--record needs --headless";
    if (o.headless && o.windowWidth > 0) return "--window needs the rendered picture, not --headless";
    return std::nullopt;
}

std::string absolute(const std::string& path) {
    return path.empty() ? path : std::filesystem::absolute(path).string();
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (auto error = parse(argc, argv, o)) return fail(*error);

    std::vector<ScriptEvent> events;
    if (!o.script.empty()) {
        std::ifstream in(o.script);
        if (!in) return fail("cannot read " + o.script);
        std::stringstream text;
        text << in.rdbuf();
        std::string error;
        auto parsed = parseInputScript(text.str(), error);
        if (!parsed) return fail(o.script + ": " + error);
        events = std::move(*parsed);
    }
    // Output paths are taken from where the runner was started.
    o.dump = absolute(o.dump);
    o.trace = absolute(o.trace);
    o.settings = absolute(o.settings);
    for (auto& [frame, path] : o.shots) path = absolute(path);
    for (auto& [frame, path] : o.records) path = absolute(path);
    if (!o.data.empty()) {
        std::error_code ec;
        std::filesystem::current_path(o.data, ec);
        if (ec) return fail("cannot enter " + o.data);
    }

    std::unique_ptr<platform::Platform> p;
    platform::HeadlessPlatform* headless = nullptr;
    platform::SdlPlatform* sdl = nullptr;
    if (o.headless) {
        auto owned = std::make_unique<platform::HeadlessPlatform>();
        headless = owned.get();
        p = std::move(owned);
    } else {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        auto owned = std::make_unique<platform::SdlPlatform>();
        sdl = owned.get();
        if (o.windowWidth > 0) {
            sdl->setWindowed(true);
            sdl->setWindowSize(o.windowWidth, o.windowHeight);
        }
        sdl->setRenderScale(o.scale);
        p = std::move(owned);
    }
    App app(*p);
    if (!o.settings.empty()) {
        // Read, and written back whenever the settings screen changes one.
        app.einstellungen = loadSettings(o.settings);
        app.einstellungsdatei = o.settings;
    }
    app.sprachwunsch = !o.lang.empty() ? o.lang : !app.einstellungen.sprache.empty() ? app.einstellungen.sprache : "de";
    InputPlayer player(std::move(events), app, o.clock);
    if (!Init(app)) {
        const char* error = app.ErrStr ? app.ErrStr : "start-up failed";
        Cleanup(app);
        std::fprintf(stderr, "runner: %s\n", error);
        return 1;
    }

    int status = 0;
    std::ofstream trace;
    if (!o.trace.empty()) {
        trace.open(o.trace);
        if (!trace) return fail("cannot write " + o.trace);
    }
    for (std::int64_t frame = 0; frame < o.frames; ++frame) {
        player.beforeFrame(frame);
        if (headless) headless->tracing = o.records.count(frame) > 0;
        Pass pass;
        do {
            pass = mainLoopPass(app);
        } while (pass == Pass::Message);
        if (pass == Pass::Quit) break;
        auto [first, last] = o.shots.equal_range(frame);
        for (auto it = first; it != last; ++it) {
            const platform::Image shot = sdl && o.windowWidth > 0 ? sdl->readShown() : p->readBackBuffer();
            if (!platform::writePng(it->second, shot)) {
                std::fprintf(stderr, "runner: cannot write %s\n", it->second.c_str());
                status = 1;
            }
        }
        if (headless) {
            auto [from, to] = o.records.equal_range(frame);
            for (auto it = from; it != to; ++it) {
                std::ofstream out(it->second);
                for (const std::string& line : headless->shown) out << line << '\n';
                if (!out) {
                    std::fprintf(stderr, "runner: cannot write %s\n", it->second.c_str());
                    status = 1;
                }
            }
            headless->shown.clear();
        }
        if (trace.is_open()) {
            JsonWriter json;
            writePlayer(json, app.game);
            trace << "frame " << frame << '\n' << json.str() << '\n';
            JsonWriter combat;
            writeCombat(combat, app.game);
            trace << "combat " << std::hex << fnv1a(combat.str()) << std::dec << '\n';
            if (frame % 60 == 0) {
                JsonWriter location;
                writeLocation(location, app.game, o.clock);
                trace << "location " << std::hex << fnv1a(location.str()) << std::dec << '\n';
            }
        }
    }

    if (!o.dump.empty()) {
        JsonWriter json;
        json.beginObject();
        json.key("frames"); json.value(static_cast<std::int64_t>(app.frame));
        json.key("player"); writePlayer(json, app.game);
        json.key("world"); writeLocation(json, app.game, o.clock);
        json.key("combat"); writeCombat(json, app.game);
        json.endObject();
        std::ofstream out(o.dump);
        out << json.str();
        if (!out) {
            std::fprintf(stderr, "runner: cannot write %s\n", o.dump.c_str());
            status = 1;
        }
    }
    if (!app.cleanedUp) Cleanup(app);
    return status;
}
