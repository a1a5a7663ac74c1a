#pragma once

#include <SDL_events.h>

#include <cstdint>
#include <functional>

#include "platform/input_queue.h"
#include "platform/sdl/key_repeat.h"

namespace platform::sdl {

// Turns one SDL event into what the game sees: true with a window message
// for keys (by scancode), the system's close, the window's focus and the
// gamepads; mouse changes go into the queue's mouse buffer instead (false),
// everything else is dropped (false).
bool translateEvent(const SDL_Event& event, Message& message, InputQueue& queue);

// What an event asks of the window rather than of the game: Alt+Return
// switches between full screen and window (its repeats are swallowed); the
// mouse is captured when the window gains the focus and released when it
// loses it.
enum class WindowAction { None, ToggleFullScreen, Swallow, CaptureMouse, ReleaseMouse };
WindowAction windowAction(const SDL_Event& event);

// Polls SDL until an event yields a message, telling the repeater of every
// key and of focus loss on the way, and `window` (if given) of every event
// first: an event it takes (true) goes no further. With no event left, a held
// modifier's repeat may be due by `now()`; false when there is none either.
bool pumpMessage(Message& message, InputQueue& queue, KeyRepeater& repeater,
                 const std::function<std::uint32_t()>& now,
                 const std::function<bool(const SDL_Event&)>& window = {});

}  // namespace platform::sdl
