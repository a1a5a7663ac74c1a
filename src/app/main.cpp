// Sternfahrt: starts the game on the SDL2 + OpenGL platform. The data files
// are found wherever the game was installed or built (or named with
// --data); nothing depends on the working directory.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "app/app.h"
#include "app/command_line.h"
#include "app/input_script.h"
#include "app/settings_file.h"
#include "app/settings_screen.h"
#include "platform/data_files.h"
#include "platform/error_texts.h"
#include "platform/sdl/sdl_platform.h"

namespace {

std::string help() {
    std::string text = usage() + "\nA space trading and combat game.\n\n" + optionsHelp();
    text +=
        "\nWithout --data the data files are read from " STERNFAHRT_DATA_FROM_BIN " relative to\n"
        "the program's directory, else from data/ beside the program (the build tree).\n"
        "The savegames live in $XDG_DATA_HOME/sternfahrt (~/.local/share/sternfahrt),\n"
        "the settings in $XDG_CONFIG_HOME/sternfahrt/sternfahrt.conf (~/.config/...);\n"
        "--window, --lang and --render-scale override the settings for one run.\n"
        "F8 in the game ends it and opens the manual. See sternfahrt(6).\n";
    return text;
}

// Nothing when the command line was read, else the exit code.
std::optional<int> parse(int argc, char** argv, CommandLine& s) {
    if (std::string bad; !readCommandLine(argc, argv, s, bad)) {
        std::fprintf(stderr, "sternfahrt: bad or incomplete option '%s'\n%s", bad.c_str(), usage().c_str());
        return 2;
    }
    if (s.help) std::fputs(help().c_str(), stdout);
    if (s.version && !s.help) std::printf("sternfahrt %s\n", STERNFAHRT_VERSION);
    if (s.help || s.version) return 0;
    return std::nullopt;
}

// Where the data files are: the directory named, or the first of the usual
// places that holds them. Says which files it lacks; where none holds them,
// the places looked at, for the error box.
std::optional<std::filesystem::path> findData(const CommandLine& s, std::string& looked) {
    const auto candidates = s.data.empty()
                                ? platform::dataCandidates(platform::executableDirectory(), STERNFAHRT_DATA_FROM_BIN)
                                : std::vector<std::filesystem::path>{std::filesystem::absolute(s.data)};
    const platform::DataSearch search = platform::findDataDirectory(candidates);
    if (search.found.empty()) {
        looked = "The game's data files were not found in:";
        for (const auto& place : search.looked) looked += "\n  " + place.string();
        looked += "\nName their directory with --data DIR.";
        return std::nullopt;
    }
    for (const std::string& name : platform::missingDataFiles(search.found)) {
        std::fprintf(stderr, "sternfahrt: the data file %s is missing in %s\n", name.c_str(), search.found.c_str());
    }
    return search.found;
}

// The main loop of an automated run: the script's input before each frame
// (and its clock values for the arrivals), and the end after the frames
// asked for.
int runAutomated(App& app, const CommandLine& s, std::vector<ScriptEvent> events) {
    std::optional<InputPlayer> player;
    if (!events.empty()) player.emplace(std::move(events), app, 0);
    if (!Init(app)) {
        Cleanup(app);
        return 0;
    }
    for (std::int64_t frame = 0;; ++frame) {
        if (player) player->beforeFrame(frame);
        if (frame == s.frames) app.platform.destroyWindow();
        Pass pass;
        do {
            pass = mainLoopPass(app);
        } while (pass == Pass::Message);
        if (pass == Pass::Quit) return 0;
        if (pass == Pass::Paused) app.platform.idle();
    }
}

}  // namespace

int main(int argc, char** argv) {
    CommandLine line;
    if (const auto exit = parse(argc, argv, line)) return *exit;

    std::vector<ScriptEvent> events;
    if (!line.script.empty()) {
        std::ifstream in(line.script);
        std::stringstream text;
        text << in.rdbuf();
        std::string error = "cannot be read";
        auto parsed = in ? parseInputScript(text.str(), error) : std::nullopt;
        if (!parsed) {
            std::fprintf(stderr, "sternfahrt: %s: %s\n", line.script.c_str(), error.c_str());
            return 2;
        }
        events = std::move(*parsed);
    }

    // The settings file's choices, unless the command line says otherwise
    // for this run.
    const std::filesystem::path datei = settingsFile();
    Einstellungen einstellungen = loadSettings(datei);
    platform::SdlPlatform::setApplicationId(STERNFAHRT_APP_ID);
    auto sdl = std::make_unique<platform::SdlPlatform>();
    sdl->setWindowed(line.windowed || !einstellungen.vollbild);
    sdl->setRenderScale(renderScale(line.scale.value_or(einstellungen.aufloesung)));
    std::unique_ptr<platform::Platform> platform = std::move(sdl);
    App app(*platform);
    app.sprachwunsch = line.lang.empty() ? einstellungen.sprache : line.lang;
    app.einstellungen = std::move(einstellungen);
    app.einstellungsdatei = datei;
    app.fensterAufRuf = line.windowed;
    app.aufloesungAufRuf = line.scale;

    std::string looked;
    const auto data = findData(line, looked);
    if (!data) {
        // Ends as a start-up without the font would, saying where it looked.
        platform->registerWindowClass();
        app.ErrStr = errtext::LoadingImage;
        app.errorDetail = looked;
        Cleanup(app);
        return 1;
    }
    platform::setDataDirectory(*data);

#ifdef STERNFAHRT_RECORD_INPUT
    // Every session's input, for replay with --script.
    InputRecorder recorder("Eingabe.rec", app);
#endif
    if (line.frames >= 0 || !events.empty()) return runAutomated(app, line, std::move(events));
    return WinMain(app);
}
