#include "platform/sdl/gamepads.h"

#include <SDL_events.h>

namespace platform::sdl {

void Gamepads::notice(const SDL_Event& event) {
    if (event.type == SDL_CONTROLLERDEVICEADDED) {
        // `which` is the device's index here, its instance id from now on.
        if (SDL_GameController* pad = SDL_GameControllerOpen(event.cdevice.which)) {
            open_[SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad))] = pad;
        }
    } else if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
        const auto found = open_.find(event.cdevice.which);
        if (found != open_.end()) {
            SDL_GameControllerClose(found->second);
            open_.erase(found);
        }
    }
}

void Gamepads::closeAll() {
    for (auto& [id, pad] : open_) SDL_GameControllerClose(pad);
    open_.clear();
}

}  // namespace platform::sdl
