#include "platform/sdl/key_map.h"

#include "platform/platform.h"

namespace platform::sdl {

int virtualKey(SDL_Keycode key) {
    switch (key) {
    case SDLK_BACKSPACE: return vk::Back;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return vk::Return;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return vk::Shift;
    case SDLK_PAUSE: return vk::Pause;
    case SDLK_ESCAPE: return vk::Escape;
    case SDLK_SPACE: return vk::Space;
    case SDLK_PAGEUP: return vk::Prior;
    case SDLK_PAGEDOWN: return vk::Next;
    case SDLK_LEFT: return vk::Left;
    case SDLK_UP: return vk::Up;
    case SDLK_RIGHT: return vk::Right;
    case SDLK_DOWN: return vk::Down;
    case SDLK_DELETE: return vk::Delete;
    case SDLK_F1: return vk::F1;
    case SDLK_F2: return vk::F2;
    case SDLK_F3: return vk::F3;
    case SDLK_F4: return vk::F4;
    case SDLK_F5: return vk::F5;
    case SDLK_F6: return vk::F6;
    case SDLK_F7: return vk::F7;
    case SDLK_F8: return vk::F8;
    case SDLK_F9: return vk::F9;
    case SDLK_F12: return vk::F12;
    case SDLK_PRINTSCREEN: return vk::Snapshot;
    default: return 0;
    }
}

}  // namespace platform::sdl
