#pragma once

#include <SDL_events.h>
#include <SDL_gamecontroller.h>

#include <map>

namespace platform::sdl {

// The gamepads plugged in, each opened through SDL's game controller API
// when SDL reports it and closed when it goes. SDL knows a pad by its own
// mapping database and by SDL_GAMECONTROLLERCONFIG.
class Gamepads {
public:
    Gamepads() = default;
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;
    ~Gamepads() { closeAll(); }

    // Takes an SDL event: opens a pad that was added, closes one removed.
    void notice(const SDL_Event& event);
    void closeAll();
    int count() const { return static_cast<int>(open_.size()); }

private:
    std::map<SDL_JoystickID, SDL_GameController*> open_;
};

}  // namespace platform::sdl
