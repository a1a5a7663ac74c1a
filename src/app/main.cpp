// Sternfahrt: starts the game on the SDL2 + OpenGL platform. The game reads
// its data files from the working directory.
//
//   sternfahrt [--window] [--lang de|en]
//     --window   in a resizable window instead of full screen
//     --lang     the language, instead of the desktop's
//
// Both override the settings file ($XDG_CONFIG_HOME/sternfahrt/sternfahrt.conf)
// for this run.

#include <cstdio>
#include <cstring>
#include <string>

#include "app/app.h"
#include "app/settings_file.h"
#include "platform/sdl/sdl_platform.h"

#ifdef STERNFAHRT_RECORD_INPUT
#include "app/input_script.h"
#endif

int main(int argc, char** argv) {
    bool windowed = false;
    std::string sprache;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--window") == 0) {
            windowed = true;
        } else if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc && knownLanguage(argv[i + 1])) {
            sprache = argv[++i];
        } else {
            std::fprintf(stderr, "usage: sternfahrt [--window] [--lang de|en]\n");
            return 2;
        }
    }
    // The settings file's choices, unless the command line says otherwise
    // for this run.
    const std::filesystem::path datei = settingsFile();
    Einstellungen einstellungen = loadSettings(datei);
    auto sdl = std::make_unique<platform::SdlPlatform>();
    sdl->setWindowed(windowed || !einstellungen.vollbild);
    std::unique_ptr<platform::Platform> platform = std::move(sdl);
    App app(*platform);
    app.sprachwunsch = sprache.empty() ? einstellungen.sprache : sprache;
    app.einstellungen = std::move(einstellungen);
    app.einstellungsdatei = datei;
#ifdef STERNFAHRT_RECORD_INPUT
    // Every session's input, for replay with the runner.
    InputRecorder recorder("Eingabe.rec", app);
#endif
    return WinMain(app);
}
