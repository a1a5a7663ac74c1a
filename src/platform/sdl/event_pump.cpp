#include "platform/sdl/event_pump.h"


namespace platform::sdl {
namespace {

constexpr std::uint32_t kWheelNotch = 120;

void postMouse(InputQueue& queue, std::uint32_t offset, std::int32_t value, std::uint32_t time) {
    MouseEvent record;
    record.offset = offset;
    record.data = static_cast<std::uint32_t>(value);
    record.timeStamp = time;
    queue.postMouse(record);
}

void translateMotion(const SDL_MouseMotionEvent& motion, InputQueue& queue) {
    if (motion.xrel != 0) postMouse(queue, mouse::X, motion.xrel, motion.timestamp);
    if (motion.yrel != 0) postMouse(queue, mouse::Y, motion.yrel, motion.timestamp);
}

void translateWheel(const SDL_MouseWheelEvent& wheel, InputQueue& queue) {
    std::int32_t steps = wheel.y;
    if (wheel.direction == SDL_MOUSEWHEEL_FLIPPED) steps = -steps;
    if (steps != 0) {
        postMouse(queue, mouse::Z, steps * static_cast<std::int32_t>(kWheelNotch), wheel.timestamp);
    }
}

void translateButton(const SDL_MouseButtonEvent& button, InputQueue& queue) {
    std::uint32_t offset = 0;
    switch (button.button) {
    case SDL_BUTTON_LEFT: offset = mouse::Button0; break;
    case SDL_BUTTON_RIGHT: offset = mouse::Button1; break;
    case SDL_BUTTON_MIDDLE: offset = mouse::Button2; break;
    default: return;
    }
    const bool pressed = button.state == SDL_PRESSED;
    postMouse(queue, offset, pressed ? static_cast<std::int32_t>(mouse::Pressed) : 0,
              button.timestamp);
}

void tellRepeater(const SDL_Event& event, KeyRepeater& repeater) {
    switch (event.type) {
    case SDL_KEYDOWN:
        repeater.keyDown(event.key.keysym.scancode, event.key.repeat != 0, event.key.timestamp);
        break;
    case SDL_KEYUP: repeater.keyUp(event.key.keysym.scancode); break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) repeater.focusLost();
        break;
    default: break;
    }
}

}  // namespace

WindowAction windowAction(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN: {
        const SDL_Keysym& key = event.key.keysym;
        const bool enter = key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER;
        if (!enter || (key.mod & KMOD_ALT) == 0) return WindowAction::None;
        return event.key.repeat != 0 ? WindowAction::Swallow : WindowAction::ToggleFullScreen;
    }
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) return WindowAction::CaptureMouse;
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) return WindowAction::ReleaseMouse;
        return WindowAction::None;
    default: return WindowAction::None;
    }
}

bool translateEvent(const SDL_Event& event, Message& message, InputQueue& queue) {
    message.value = 0;
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        message.type = event.type == SDL_KEYDOWN ? Message::KeyDown : Message::KeyUp;
        message.key = event.key.keysym.scancode;
        return true;
    case SDL_QUIT:
        message.type = Message::Destroy;
        message.key = 0;
        return true;
    case SDL_WINDOWEVENT:
        if (event.window.event != SDL_WINDOWEVENT_FOCUS_LOST && event.window.event != SDL_WINDOWEVENT_FOCUS_GAINED) {
            return false;
        }
        message.type = event.window.event == SDL_WINDOWEVENT_FOCUS_LOST ? Message::FocusLost : Message::FocusGained;
        message.key = 0;
        return true;
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
        message.type = event.type == SDL_CONTROLLERDEVICEADDED ? Message::PadAdded : Message::PadRemoved;
        message.key = event.cdevice.which;
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        message.type = event.type == SDL_CONTROLLERBUTTONDOWN ? Message::PadButtonDown : Message::PadButtonUp;
        message.key = event.cbutton.button;
        return true;
    case SDL_CONTROLLERAXISMOTION:
        message.type = Message::PadAxis;
        message.key = event.caxis.axis;
        message.value = event.caxis.value;
        return true;
    case SDL_MOUSEMOTION: translateMotion(event.motion, queue); return false;
    case SDL_MOUSEWHEEL: translateWheel(event.wheel, queue); return false;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: translateButton(event.button, queue); return false;
    default: return false;
    }
}

bool pumpMessage(Message& message, InputQueue& queue, KeyRepeater& repeater,
                 const std::function<std::uint32_t()>& now,
                 const std::function<bool(const SDL_Event&)>& window) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        tellRepeater(event, repeater);
        if (window && window(event)) continue;
        if (translateEvent(event, message, queue)) return true;
    }
    // Only now, so that a key-up still queued in SDL comes before a repeat.
    const SDL_Scancode repeat = repeater.repeatDue(now());
    if (repeat == SDL_SCANCODE_UNKNOWN) return false;
    message.type = Message::KeyDown;
    message.key = repeat;
    message.value = 0;
    return true;
}

}  // namespace platform::sdl
