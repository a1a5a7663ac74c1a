#include "app/frame.h"

#include "app/controls.h"
#include "flight/flight_step.h"
#include "flight/gates.h"
#include "platform/device_setup.h"
#include <functional>

#include "flight/scene.h"
#include "platform/render_object.h"
#include "ui/cockpit.h"
#include "ui/radar.h"
#include "ui/text.h"

namespace {

using platform::Platform;

constexpr int kGameOverFrames = 150;

// Clears the view and draws one scene; without a scene only the clear shows.
void scene3D(App& app, platform::TextureId texture, const std::function<void()>& draw) {
    Platform& p = app.platform;
    p.clear(true, 0, true, 1.0f);
    p.setTexture(texture);
    if (p.beginScene()) {
        if (draw) draw();
        p.endScene();
    }
}

void closingMessages(App& app, bool gameOverShown) {
    GameState& s = app.game;
    TextLayer text(app.platform, app.assets.zeichensatz);
    if (gameOverShown) {
        text.Text(100, 176, GameText("         G A M E   O V E R         ~"));
        text.Text(100, 192, GameText("     Neues Spiel startet jetzt!    ~"));
    }
    if (s.ausserhalb) {
        text.Text(60, 20, GameText("Du bist ausserhalb des Asteroidenfeldes.~"));
        text.Text(60, 36, GameText("Hier gibt es nichts interessantes mehr. ~"));
        text.Text(60, 52, GameText("     Fliege besser wieder zurueck!      ~"));
    }
    if (s.hintFrames > 0) {
        text.Text(32, 700, GameText("F8 : Spiel beenden und Spielanleitung lesen~"));
    }
}

void flightBlock(App& app) {
    Platform& p = app.platform;
    GameState& s = app.game;

    flightStep(s);
    p.setTransform(platform::TransformState::View, flightView(s));
    scene3D(app, app.assets.lpGrauTexture, [&] { drawScene(p, app.assets, app.meshes, s); });
    drawCockpit(p, app.assets, s);

    const bool gameOverShown = s.gameover > 0;
    if (gameOverShown) {
        s.gameover -= 1;
        if (s.gameover == 1) Start_newGame(s);
        s.x = s.y = s.z = 0.0f;
    }
    closingMessages(app, gameOverShown);
    Radar(p, app.assets, app.meshes, s, app.ErrStr);
    p.flip();
}

void starMapBlock(App& app) {
    GameState& s = app.game;
    s.aufgabePlanet = 0;
    s.aufgabeMond = 0;
    scene3D(app, app.assets.lpCubeTexture, nullptr);
    drawPanel(app.platform, app.assets);
    app.platform.flip();
    if (s.shift || s.mouseButtonRight) jumpToSystem(s, s.sternenpos);
}

void dockedBlock(App& app) {
    GameState& s = app.game;
    scene3D(app, app.assets.lpGrauTexture, nullptr);
    drawPanel(app.platform, app.assets);
    TextLayer(app.platform, app.assets.zeichensatz)
        .Text(16, 700, GameText("Verlassen der Station: Shift/rechte Maustaste~"));
    app.platform.flip();

    // Leaving puts the ship in front of the station, outside its docking
    // sphere, at rest.
    if (s.shift || s.mouseButtonRight) {
        if (s.station[s.nStation]) {
            const Station& station = *s.station[s.nStation];
            const D3DVECTOR pos = station.pos + s.blickrichtung * (station.scale * 18.0f);
            s.x = pos.x;
            s.y = pos.y;
            s.z = pos.z;
        }
        s.render = 0;
        s.speed = 0.0f;
    }
}

void jumpBlock(App& app) {
    Platform& p = app.platform;
    GameState& s = app.game;
    D3DMATRIX projection;
    // A field of view the builder refuses keeps the last one.
    if (D3DUtil_SetProjectionMatrix(projection, 1.0f + s.torsprungz, 1.0f, 10.0f, 200000.0f) == S_OK) {
        p.setTransform(platform::TransformState::Projection, projection);
    }
    D3DMATRIX view;
    D3DUtil_SetViewMatrix(view, {0, 0, 0}, {0, 0, 1}, {0, 1, 0});
    p.setTransform(platform::TransformState::View, view);
    scene3D(app, app.assets.lpCubeTexture, [&] {
        D3DMATRIX world;
        Render_Object(p, app.meshes.lpXFileCube.get(), {s.x, s.y, s.z}, {0, 0, 0}, -190000.0f, world);
    });
    p.flip();
    jumpAnimationStep(s);
    if (s.render == 0) {
        D3DUtil_SetProjectionMatrix(projection, 1.0f, 1.0f, 10.0f, 200000.0f);
        p.setTransform(platform::TransformState::Projection, projection);
    }
}

}  // namespace

void connectHooks(App& app) {
    Platform& p = app.platform;
    GameState& s = app.game;
    s.hooks.sound = [&p](int n) { playEffect(p, n); };
    s.hooks.setMainLight = [&p] { setMainLight(p); };
    s.hooks.setSpotlight = [&p, &s] { SetSpotlight(p, s); };
    s.hooks.reloadSunMesh = [&app] { reloadSunMesh(app.platform, app.meshes, app.ErrStr); };
    if (app.clockSource) {
        s.timeGetTime = app.clockSource;
    } else {
        s.timeGetTime = [&app] {
            const std::uint32_t ms = app.platform.milliseconds();
            if (app.onClock) app.onClock(ms);
            return ms;
        };
    }
}

void render_frame(App& app) {
    GameState& s = app.game;
    if (s.hintFrames > 0) s.hintFrames -= 1;
    readMouse(app);
    prepareFrameDevice(app.platform, app.ErrStr);
    s.ranking = computeRanking(s);
    if (s.optionsKey && s.kampf == 0) {
        s.abspeichern = 1;
        s.optionsKey = 0;
    }

    if (s.render == 0) flightBlock(app);
    if (s.render == 1) starMapBlock(app);
    if (s.render == 2) dockedBlock(app);
    if (s.render == 3) jumpBlock(app);
    ++app.frame;
}
