#include "ui/station_screens.h"

#include "platform/render_object.h"
#include "stations/docking.h"
#include "ui/cockpit.h"

void drawStationModel(platform::Platform& p, const Assets& assets, const Meshes& meshes, const GameState& s) {
    D3DMATRIX view;
    D3DUtil_SetViewMatrix(view, {-1500, 0, 0}, {0, 0, 0}, {0, 1, 0});
    p.setTransform(platform::TransformState::View, view);
    p.clear(true, 0, true, 1.0f);
    p.setTexture(assets.texture[lpGrauTexture]);
    if (!p.beginScene()) return;
    if (const Station* station = dockedStation(s)) {
        D3DMATRIX world;
        Render_ScaledObject(p, meshes.byFile(stationsart(station->typ).modell), {0, 0, 0},
                            {0.5f, s.stationsrotation, 0.5f}, station->scale, world, 1, 0.2f, 1);
    }
    p.endScene();
}

void drawStationPanel(platform::Platform& p, const Assets& assets, const Texte& texte, const GameState& s) {
    drawPanel(p, assets);
    TextLayer t(p, assets.zeichensatz, texte);
    t.Cls();
    t.Text(16, 700, TextId::StationVerlassen);
    // The screen of each station kind, by kind.
    constexpr void (*kBildschirm[])(TextLayer&, const GameState&) = {
        drawTradeScreen, drawShipyardScreen, drawTrafficScreen, drawCombatScreen,
    };
    static_assert(std::size(kBildschirm) == kStationSlots);
    const Station* station = dockedStation(s);
    if (station && station->typ >= 0 && station->typ < kStationSlots) {
        kBildschirm[static_cast<std::size_t>(station->typ)](t, s);
    }
}
