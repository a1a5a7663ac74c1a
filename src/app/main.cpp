// Sternfahrt: starts the game on the SDL2 + OpenGL platform. The game reads
// its data files from the working directory.
//
//   sternfahrt [--window] [--render-scale native|original]
//
// --window: in a resizable window instead of full screen. --render-scale:
// draw the picture at the pixels it is shown with (native) or at 1024 x 768,
// scaled when shown (original); by default native on a graphics card and
// original on a software renderer.

#include <cstdio>
#include <cstring>

#include "app/app.h"
#include "platform/sdl/sdl_platform.h"

#ifdef STERNFAHRT_RECORD_INPUT
#include "app/input_script.h"
#endif

namespace {

constexpr const char* kUsage = "usage: sternfahrt [--window] [--render-scale native|original]\n";

bool renderScale(const char* word, platform::RenderScale& scale) {
    if (std::strcmp(word, "native") == 0) scale = platform::RenderScale::Native;
    else if (std::strcmp(word, "original") == 0) scale = platform::RenderScale::Original;
    else return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    bool windowed = false;
    platform::RenderScale scale = platform::RenderScale::Automatic;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--window") == 0) {
            windowed = true;
        } else if (std::strcmp(argv[i], "--render-scale") == 0 && i + 1 < argc && renderScale(argv[i + 1], scale)) {
            ++i;
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    auto sdl = std::make_unique<platform::SdlPlatform>();
    sdl->setWindowed(windowed);
    sdl->setRenderScale(scale);
    std::unique_ptr<platform::Platform> platform = std::move(sdl);
    App app(*platform);
#ifdef STERNFAHRT_RECORD_INPUT
    // Every session's input, for replay with the runner.
    InputRecorder recorder("Eingabe.rec", app);
#endif
    return WinMain(app);
}
