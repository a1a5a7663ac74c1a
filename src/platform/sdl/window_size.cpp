#include "platform/sdl/window_size.h"

#include <SDL.h>
#include <SDL_syswm.h>

namespace platform::sdl {

void drawableSize(SDL_Window* window, int& width, int& height) {
    width = height = 0;
    if (!window) return;
    SDL_GL_GetDrawableSize(window, &width, &height);
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
        XWindowAttributes attributes;
        // X11 has no scaling of its own in SDL 2: window size is pixels.
        if (XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes) != 0 &&
            attributes.width > 0 && attributes.height > 0) {
            width = attributes.width;
            height = attributes.height;
        }
    }
#endif
}

}  // namespace platform::sdl
