#pragma once

#include <string>

struct SDL_Window;

namespace platform::sdl {

// "file://" and the absolute path, bytes outside letters, digits, "-._~/"
// percent-encoded.
std::string fileUrl(const std::string& absolutePath);

// Prints "caption: text" to stderr, then shows a box where there is a
// display to show it on.
void showMessage(SDL_Window* parent, const char* caption, const char* text);

// Hands a file to the desktop's viewer through xdg-open; false when there is
// no such file, no xdg-open, or it found no viewer.
bool openWithDesktop(const std::string& path);

}  // namespace platform::sdl
