#include <cstdio>

#include "app/app.h"
#include "app/frame.h"
#include "platform/device_setup.h"
#include "platform/error_texts.h"
#include "world/universe.h"

namespace {
constexpr const char* szCaption = "Game";
}

bool create_objects(App& app) {
    loadTexturesAndBitmaps(app.platform, app.assets);
    if (!loadMeshes(app.platform, app.meshes, app.ErrStr)) return false;
    createWorld(app.game);
    return true;
}

bool Init(App& app) {
    platform::Platform& p = app.platform;
    connectHooks(app);

    if (!p.registerWindowClass()) {
        app.ErrStr = errtext::Err_Reg_Class;
        return false;
    }
    if (!p.createWindow(szCaption)) {
        app.ErrStr = errtext::Err_Create_Win;
        return false;
    }
    if (!init_ddraw(p, app.assets, app.ErrStr)) return false;
    if (!init_d3d(p, app.ErrStr)) return false;
    if (!create_objects(app)) return false;
    create_lights(p, app.game);
    p.acquireMouse();
    return true;
}

void Cleanup(App& app) {
    app.meshes.lpXFileRaumschiff[0].reset();
    app.platform.release();
    if (app.ErrStr) {
        app.platform.messageBox(szCaption, app.ErrStr);
        app.ErrStr = nullptr;
    }
    app.cleanedUp = true;
}

int WinMain(App& app) {
    if (!Init(app)) {
        Cleanup(app);
        return 0;
    }
    platform::Message message;
    for (;;) {
        if (app.platform.peekMessage(message)) {
            if (message.type == platform::Message::Quit) return 0;
            WindowProc(app, message);
        } else if (!app.paused) {
            render_frame(app);
        } else {
            app.platform.idle();
        }
    }
}
