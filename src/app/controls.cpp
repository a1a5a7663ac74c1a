#include "app/controls.h"

#include "app/screenshot.h"
#include "platform/device_setup.h"

namespace {

using namespace platform;

constexpr float kSpeedStep = 4.5f;
constexpr float kKeyRate = 0.03f;
constexpr float kMouseRate = 0.0003f;
constexpr float kSightStep = 500.0f;
constexpr float kSightMin = 500.0f;
constexpr float kSightMax = 40000.0f;
constexpr int kSightShowFrames = 50;
constexpr int kMouseThreshold = 5;

void keyDown(App& app, int key) {
    GameState& s = app.game;
    const bool steering = s.abspeichern == 0;  // the options menu takes the arrows
    switch (key) {
        case vk::Back: s.speed = 0.0f; break;
        case vk::Return: s.speed -= kSpeedStep; s.enter = 1; break;
        case vk::Shift: s.speed += kSpeedStep; s.shift = 1; break;
        case vk::Pause: app.paused = !app.paused; break;
        case vk::Space: s.feuer = 1; break;
        case vk::Prior:
            s.SIGHT += kSightStep;
            if (s.SIGHT > kSightMax) s.SIGHT = kSightMax;
            s.sightchg = kSightShowFrames;
            break;
        case vk::Next:
            s.SIGHT -= kSightStep;
            if (s.SIGHT < kSightMin) s.SIGHT = kSightMin;
            s.sightchg = kSightShowFrames;
            break;
        case vk::Left:
            if (steering) s.kipp = kKeyRate;
            s.left = 1;
            break;
        case vk::Up:
            if (steering) s.nick = -kKeyRate;
            s.up = 1;
            break;
        case vk::Right:
            if (steering) s.kipp = -kKeyRate;
            s.right = 1;
            break;
        case vk::Down:
            if (steering) s.nick = kKeyRate;
            s.down = 1;
            break;
        case vk::Delete: s.kipp = 0.0f; s.nick = 0.0f; break;
        case vk::F1: s.backsight = -s.backsight; break;
        case vk::F2:
            SetSpotlight(app.platform, {s.x, s.y, s.z}, s.blickrichtung);
            toggle_light(app.platform, 1);
            break;
        case vk::F3: s.missileKey = 1; break;
        case vk::F4: s.ecmKey = 1; break;
        case vk::F5: s.gigabombKey = 1; break;
        case vk::F8:
            // The manual opens in the user's viewer; without one the game
            // still ends as asked.
            app.platform.openDocument("Spielanleitung.htm");
            app.platform.destroyWindow();
            break;
        case vk::F9: s.optionsKey = 1; break;
        case vk::F12:
        case vk::Snapshot: takeScreenshot(app); break;
        default: break;
    }
}

void keyUp(App& app, int key) {
    GameState& s = app.game;
    switch (key) {
        case vk::Return: s.enter = 0; break;
        case vk::Shift: s.shift = 0; break;
        case vk::Escape: app.platform.destroyWindow(); break;
        case vk::Space: s.feuer = 0; break;
        case vk::Left: s.left = 0; s.kipp = 0.0f; break;
        case vk::Up: s.up = 0; s.nick = 0.0f; break;
        case vk::Right: s.right = 0; s.kipp = 0.0f; break;
        case vk::Down: s.down = 0; s.nick = 0.0f; break;
        case vk::F3: s.missileKey = 0; break;
        case vk::F4: s.ecmKey = 0; break;
        case vk::F5: s.gigabombKey = 0; break;
        case vk::F9: s.optionsKey = 0; break;
        default: break;
    }
}

}  // namespace

WindowEvent WindowProc(App& app, const Message& message) {
    if (app.onMessage) app.onMessage(message);
    switch (message.type) {
        case Message::KeyDown: keyDown(app, message.key); break;
        case Message::KeyUp: keyUp(app, message.key); break;
        case Message::Destroy: return WindowEvent::Destroyed;
        case Message::Quit: break;
    }
    return WindowEvent::None;
}

void readMouse(App& app) {
    GameState& s = app.game;
    platform::Platform& p = app.platform;
    s.mouseRight = s.mouseLeft = s.mouseUp = s.mouseDown = 0;
    s.mouseButtonRight = s.mouseButtonLeft = 0;
    s.wheelForward = s.wheelBack = 0;
    int dx = 0, dy = 0, dz = 0;

    // The sums are applied once per record and once more after the last, so
    // one wheel notch changes the speed twice.
    for (bool gotEvent = true; gotEvent;) {
        MouseEvent event;
        gotEvent = p.readMouse(event);
        if (gotEvent) {
            if (app.onMouse) app.onMouse(event);
            const auto data = static_cast<std::int32_t>(event.data);
            const bool pressed = (event.data & mouse::Pressed) != 0;
            switch (event.offset) {
                case mouse::X: dx += data; break;
                case mouse::Y: dy += data; break;
                case mouse::Z: dz += data; break;
                case mouse::Button0: s.feuer = s.mouseButtonLeft = pressed; break;
                case mouse::Button1: s.mouseButtonRight = pressed; break;
                case mouse::Button2: if (pressed) s.speed = 0.0f; break;
                default: break;
            }
        }

        if (dz < 0) { s.speed -= kSpeedStep; s.wheelBack = 1; }
        if (dz > 0) { s.speed += kSpeedStep; s.wheelForward = 1; }
        if (dx < -kMouseThreshold) { s.mouseLeft = 1; s.mouseRight = 0; }
        if (dx > kMouseThreshold) { s.mouseRight = 1; s.mouseLeft = 0; }
        if (dy < -kMouseThreshold) { s.mouseUp = 1; s.mouseDown = 0; }
        if (dy > kMouseThreshold) { s.mouseDown = 1; s.mouseUp = 0; }

        if (s.mouseButtonRight) {
            s.kipp = 0.0f;
            s.nick = 0.0f;
        }
        if (s.abspeichern == 0) {
            if (s.mouseRight) s.kipp -= kMouseRate;
            if (s.mouseLeft) s.kipp += kMouseRate;
            if (s.mouseDown) s.nick -= kMouseRate;
            if (s.mouseUp) s.nick += kMouseRate;
        }
    }
}
