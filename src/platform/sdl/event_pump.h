#pragma once

#include <SDL_events.h>

#include <cstdint>
#include <functional>

#include "platform/input_queue.h"
#include "platform/sdl/key_repeat.h"

namespace platform::sdl {

// Turns one SDL event into what the game sees: true with a window message
// for keys and the system's close; mouse changes go into the queue's mouse
// buffer instead (false), everything else is dropped (false).
bool translateEvent(const SDL_Event& event, Message& message, InputQueue& queue);

// Polls SDL until an event yields a message, telling the repeater of every
// key and of focus loss on the way. With no event left, a held Shift's
// repeat may be due by `now()`; false when there is none either.
bool pumpMessage(Message& message, InputQueue& queue, KeyRepeater& repeater,
                 const std::function<std::uint32_t()>& now);

}  // namespace platform::sdl
