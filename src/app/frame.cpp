#include "app/frame.h"

#include "app/controls.h"
#include "app/screenshot.h"
#include "flight/flight_frame.h"
#include "flight/flight_step.h"
#include "flight/gates.h"
#include "flight/scene.h"
#include "flight/star_map.h"
#include "platform/device_setup.h"
#include "platform/render_object.h"
#include "stations/docking.h"
#include "ui/cockpit.h"
#include "ui/options_menu_screen.h"
#include "ui/radar.h"
#include "ui/settings_screen.h"
#include "ui/screenshot_message.h"
#include "ui/star_map_screen.h"
#include "ui/station_screens.h"

namespace {

using platform::Platform;

// Clears the view and draws one scene; without a scene only the clear shows.
template <typename Draw>
void scene3D(Platform& p, platform::TextureId texture, Draw draw) {
    p.clear(true, 0, true, 1.0f);
    p.setTexture(texture);
    if (p.beginScene()) {
        draw();
        p.endScene();
    }
}

void drawFlight(App& app) {
    Platform& p = app.platform;
    const GameState& s = app.game;
    p.setTransform(platform::TransformState::View, flightView(s.picture, s.backsight));
    scene3D(p, app.assets.texture[lpGrauTexture], [&] { drawScene(p, app.assets, app.meshes, s); });
    drawCockpit(p, app.assets, app.sprache.texte, s);
    drawClosingMessages(p, app.assets, app.sprache.texte, s);
    drawOptionsMenu(p, app.assets, app.sprache.texte, s);
    drawScreenshotMessage(p, app.assets, app.sprache.texte, s);
    Radar(p, app.assets, app.meshes, s, app.ErrStr);
}

void drawStarMap(App& app) {
    Platform& p = app.platform;
    const GameState& s = app.game;
    p.setTransform(platform::TransformState::View, starMapView(s.picture.karte));
    scene3D(p, 0, [&] { drawStarMapScene(p, app.assets, app.meshes, s); });
    drawStarMapPanel(p, app.assets, app.sprache.texte, s);
    drawScreenshotMessage(p, app.assets, app.sprache.texte, s);
}

void drawDocked(App& app) {
    drawStationModel(app.platform, app.assets, app.meshes, app.game);
    drawStationPanel(app.platform, app.assets, app.sprache.texte, app.game);
    drawScreenshotMessage(app.platform, app.assets, app.sprache.texte, app.game);
}

void drawJump(App& app) {
    Platform& p = app.platform;
    const GameState& s = app.game;
    D3DMATRIX projection;
    // A field of view the builder refuses keeps the last one.
    if (D3DUtil_SetProjectionMatrix(projection, s.picture.sprungSicht, 1.0f, 10.0f, 200000.0f) == S_OK) {
        p.setTransform(platform::TransformState::Projection, projection);
    }
    D3DMATRIX view;
    D3DUtil_SetViewMatrix(view, {0, 0, 0}, {0, 0, 1}, {0, 1, 0});
    p.setTransform(platform::TransformState::View, view);
    scene3D(p, app.assets.texture[lpCubeTexture], [&] {
        D3DMATRIX world;
        Render_Object(p, app.meshes[lpXFileCube], {s.x, s.y, s.z}, {0, 0, 0}, -190000.0f, world);
    });
    drawScreenshotMessage(p, app.assets, app.sprache.texte, s);
}

// The jump's last frame hands back the flight projection.
void endJump(App& app) {
    if (app.game.render != 0) return;
    D3DMATRIX projection;
    D3DUtil_SetProjectionMatrix(projection, 1.0f, 1.0f, 10.0f, 200000.0f);
    app.platform.setTransform(platform::TransformState::Projection, projection);
}

// The paused picture is drawn again now and then, for a window that was
// covered or resized; the game stands still meanwhile.
constexpr std::uint32_t kPausenbildAbstand = 250;

}  // namespace

void drawPausePicture(App& app) {
    const std::uint32_t jetzt = app.platform.milliseconds();
    if (app.pauseBild != 0 && jetzt - app.pauseBild < kPausenbildAbstand) return;
    app.pauseBild = jetzt == 0 ? 1 : jetzt;
    prepareFrameDevice(app.platform, app.ErrStr);
    switch (app.game.render) {
        case 0: drawFlight(app); break;
        case 1: drawStarMap(app); break;
        case 2: drawDocked(app); break;
        default: drawJump(app); break;
    }
    drawPauseSign(app.platform, app.assets, app.sprache.texte);
    app.platform.flip();
}

void render_frame(App& app) {
    GameState& s = app.game;
    Platform& p = app.platform;
    if (s.hintFrames > 0) s.hintFrames -= 1;
    screenshotNews(app);
    s.picture.fotoMeldung = s.fotomeldungz > 0 ? s.fotomeldung : 0;
    if (s.fotomeldungz > 0) s.fotomeldungz -= 1;
    readMouse(app);
    prepareFrameDevice(p, app.ErrStr);
    s.ranking = computeRanking(s);
    if (s.optionsKey && s.kampf == 0) {
        s.abspeichern = 1;
        s.optionsKey = 0;
        s.zeig = 0;
    }

    if (s.render == 0) {
        flightFrame(s, app);
        if (s.render == 2) autosave(app);  // docked: nothing of the trip is lost
        if (app.drawPictures) drawFlight(app);
        p.flip();
    }
    if (s.render == 1) {
        starMapStep(s, app);
        if (app.drawPictures) drawStarMap(app);
        p.flip();
    }
    if (s.render == 2) {
        dockedStep(s, app);
        if (s.render == 2) {  // a frame at no station went back to flight
            if (app.drawPictures) drawDocked(app);
            p.flip();
            leaveStation(s);
        }
    }
    if (s.render == 3) {
        jumpAnimationStep(s);
        if (app.drawPictures) drawJump(app);
        p.flip();
        endJump(app);
    }
    ++app.frame;
}
