#pragma once

#include <SDL_keycode.h>

namespace platform::sdl {

// The virtual-key code the game knows for an SDL key; 0 for any other key.
int virtualKey(SDL_Keycode key);

}  // namespace platform::sdl
