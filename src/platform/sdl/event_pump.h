#pragma once

#include <SDL_events.h>

#include "platform/input_queue.h"

namespace platform::sdl {

// Turns one SDL event into what the game sees: true with a window message
// for keys and the system's close; mouse changes go into the queue's mouse
// buffer instead (false), everything else is dropped (false).
bool translateEvent(const SDL_Event& event, Message& message, InputQueue& queue);

// Polls SDL until an event yields a message; false when SDL has none left.
bool pumpMessage(Message& message, InputQueue& queue);

}  // namespace platform::sdl
