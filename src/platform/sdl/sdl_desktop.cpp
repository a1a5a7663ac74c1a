#include "platform/sdl/sdl_desktop.h"

#include <SDL.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

extern char** environ;

namespace platform::sdl {
namespace {

bool plainUrlByte(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::strchr("-._~/", c) != nullptr;
}

// Off-screen and dummy drivers have nowhere to show a box, and a box with no
// display could wait for a click that never comes.
bool canShowBox() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && std::strcmp(driver, "offscreen") != 0 &&
           std::strcmp(driver, "dummy") != 0;
}

}  // namespace

std::string fileUrl(const std::string& absolutePath) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char ch : absolutePath) {
        const auto c = static_cast<unsigned char>(ch);
        if (c != '\0' && plainUrlByte(c)) {
            url += ch;
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0xF];
        }
    }
    return url;
}

void showMessage(SDL_Window* parent, const char* caption, const char* text) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    if (!canShowBox()) return;
    // The captured mouse would leave the box unclickable.
    const SDL_bool relative = SDL_GetRelativeMouseMode();
    SDL_SetRelativeMouseMode(SDL_FALSE);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption, text, parent);
    SDL_SetRelativeMouseMode(relative);
}

bool openWithDesktop(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error || !std::filesystem::is_regular_file(absolute, error)) return false;
    std::string url = fileUrl(absolute.string());
    std::string program = "xdg-open";
    char* argv[] = {program.data(), url.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ) != 0) return false;
    // xdg-open hands the file to the desktop's viewer and ends; without a
    // viewer it ends at once with an error. One still running after a few
    // seconds has started a viewer of its own and is left to it.
    for (int wait = 0; wait < 100; ++wait) {
        int status = 0;
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (ended < 0) return false;
        SDL_Delay(50);
    }
    return true;
}

}  // namespace platform::sdl
