#pragma once

struct SDL_Window;

namespace platform::sdl {

// The window's drawable size in pixels as it really is. SDL reports the
// size it asked for: under X11 with no window manager, a switch to full
// screen is asked for and never carried out, and SDL's size is the
// screen's while the window keeps its own. There the X server is asked.
void drawableSize(SDL_Window* window, int& width, int& height);

}  // namespace platform::sdl
