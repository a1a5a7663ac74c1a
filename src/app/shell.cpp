#include "app/app.h"
#include "app/controls.h"
#include "app/frame.h"
#include "app/settings_screen.h"
#include "platform/asset_manifest.h"
#include "platform/data_files.h"
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
    app.sprache = chooseLanguage(app.sprachwunsch, localeVariablesOfProcess(), catalogueDirectory());
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
    languagePlates(app);
    const GameState& s = app.game;
    create_lights(p, {s.x, s.y, s.z}, s.blickrichtung);
    p.acquireMouse();
    p.setEffectsVolume(app.einstellungen.lautstaerke);
    return true;
}

void languagePlates(App& app) {
    constexpr BitmapName kSchilder[] = {lpDDSVorne, lpDDSHinten, lpDDSAn, lpDDSAus};  // as the texts' Schild group
    auto& deutsch = app.schilder["de"];
    if (deutsch[0] == 0) {
        for (std::size_t i = 0; i < deutsch.size(); ++i) deutsch[i] = app.assets.bitmap[kSchilder[i]];
    }
    const std::string& code = app.sprache.code;
    auto [eintrag, neu] = app.schilder.try_emplace(code);
    if (neu) {
        for (std::size_t i = 0; i < eintrag->second.size(); ++i) {
            std::string name = assetFile(AssetKind::Bitmap, kSchilder[i])->name;
            name.insert(name.size() - 4, "." + code);
            const platform::SurfaceId id = bitmap_surface(app.platform, name.c_str());
            eintrag->second[i] = id != 0 ? id : deutsch[i];
        }
    }
    for (std::size_t i = 0; i < eintrag->second.size(); ++i) app.assets.bitmap[kSchilder[i]] = eintrag->second[i];
}

std::string manualFile(const App& app) {
    const AssetFile* manual = assetFile(AssetKind::Manual, app.sprache.code == "de" ? 0 : 1);
    return platform::dataFile(manual ? manual->name : assetFile(AssetKind::Manual, 0)->name);
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
    if (app.einstellungsbild.offen) {
        settingsFrame(app);
        return Pass::Frame;
    }
    if (app.paused) {
        drawPausePicture(app);
        return Pass::Paused;
    }
    render_frame(app);
    afterFrame(app);
    if (app.game.einstellungenZeigen) {
        app.game.einstellungenZeigen = 0;
        openSettings(app);
    }
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
