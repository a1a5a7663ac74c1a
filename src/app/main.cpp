// Sternfahrt: starts the game on the SDL2 + OpenGL platform. The game reads
// its data files from the working directory.

#include "app/app.h"
#include "platform/sdl/sdl_platform.h"

#ifdef STERNFAHRT_RECORD_INPUT
#include "app/input_script.h"
#endif

int main() {
    std::unique_ptr<platform::Platform> platform = platform::createSdlPlatform();
    App app(*platform);
#ifdef STERNFAHRT_RECORD_INPUT
    // Every session's input, for replay with the runner.
    InputRecorder recorder("Eingabe.rec", app);
#endif
    return WinMain(app);
}
