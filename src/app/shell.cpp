#include "app/app.h"
#include "app/controls.h"
#include "app/frame.h"
#include "platform/device_setup.h"
#include "platform/error_texts.h"
#include "world/universe.h"

namespace {
// The window's title, as the desktop shows it; the error box keeps its own
// caption.
constexpr const char* kWindowTitle = "Sternfahrt";
constexpr const char* szCaption = "Game";
}

bool create_objects(App& app) {
    loadTexturesAndBitmaps(app.platform, app.assets);
    if (!loadMeshes(app.platform, app.meshes, app.ErrStr)) return false;
    createWorld(app.game, app);
    return true;
}

bool Init(App& app) {
    platform::Platform& p = app.platform;
    if (!p.registerWindowClass()) {
        app.ErrStr = errtext::Err_Reg_Class;
        return false;
    }
    if (!p.createWindow(kWindowTitle)) {
        app.ErrStr = errtext::Err_Create_Win;
        return false;
    }
    if (!init_ddraw(p, app.assets, app.ErrStr)) return false;
    if (!init_d3d(p, app.ErrStr)) return false;
    if (!create_objects(app)) return false;
    const GameState& s = app.game;
    create_lights(p, {s.x, s.y, s.z}, s.blickrichtung);
    p.acquireMouse();
    return true;
}

void Cleanup(App& app) {
    app.meshes.mesh[lpXFileRaumschiff1].reset();
    app.platform.release();
    if (app.ErrStr) {
        const std::string text =
            app.errorDetail.empty() ? std::string(app.ErrStr) : std::string(app.ErrStr) + "\n\n" + app.errorDetail;
        app.platform.messageBox(szCaption, text.c_str());
        app.ErrStr = nullptr;
    }
    app.cleanedUp = true;
}

Pass mainLoopPass(App& app) {
    platform::Message message;
    if (app.platform.peekMessage(message)) {
        if (message.type == platform::Message::Quit) return Pass::Quit;
        if (WindowProc(app, message) == WindowEvent::Destroyed) {
            Cleanup(app);
            app.platform.postQuitMessage();
        }
        return Pass::Message;
    }
    if (app.paused) return Pass::Paused;
    render_frame(app);
    return Pass::Frame;
}

int WinMain(App& app) {
    if (!Init(app)) {
        Cleanup(app);
        return 0;
    }
    for (;;) {
        switch (mainLoopPass(app)) {
            case Pass::Quit: return 0;
            case Pass::Paused: app.platform.idle(); break;
            case Pass::Message:
            case Pass::Frame: break;
        }
    }
}
