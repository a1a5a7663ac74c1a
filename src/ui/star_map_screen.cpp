#include "ui/star_map_screen.h"

#include <vector>

#include "platform/render_object.h"
#include "ui/cockpit.h"
#include "ui/text.h"
#include "world/goods.h"

namespace {

using platform::Platform;

// Sphere size and texture by star type; the texts compare exactly, and
// every other type (the dwarfs, the lower-case "normal") is a small red one.
struct Sternart {
    GameText typ;
    float groesse;
    TextureName texture;
};
constexpr Sternart kSternarten[] = {
    {"Roter Riese~", 5.0f, lpSonne2Texture},
    {"Normal~", 4.0f, lpSonne1Texture},
    {"Blauer Riese~", 6.0f, lpSonne3Texture},
    {"Weisser Riese~", 7.0f, lpSonne4Texture},
};
constexpr Sternart kAndereSterne{"~", 3.0f, lpSonne2Texture};
constexpr const Sternart* kAlleSternarten[] = {&kSternarten[0], &kSternarten[1], &kSternarten[2], &kSternarten[3],
                                               &kAndereSterne};

const Sternart& sternart(const Stern& stern) {
    for (const Sternart& art : kSternarten) {
        if (stern.typ == art.typ) return art;
    }
    return kAndereSterne;
}

constexpr float kMarkierung = 10.0f;  // size of the target and location markers

constexpr int kX = 776;          // the panel's text column
constexpr int kEingerueckt = 792;
constexpr int kZahlen = 1000;    // numbers end here
constexpr int zeile(int n) { return 8 + 16 * n; }

}  // namespace

D3DMATRIX starMapView(const Picture::Sternenkarte& karte) {
    D3DMATRIX view;
    D3DUtil_SetViewMatrix(view, {karte.mitte.x, karte.mitte.y, karte.zKarte},
                          {karte.mitte.x, karte.mitte.y, karte.zKarte + 1.0f}, {0, 1, 0});
    D3DMATRIX drehung;
    D3DUtil_SetRotateZMatrix(drehung, karte.rotateKarte);
    D3DMath_MatrixMultiply(view, drehung, view);  // the view first, then the turn
    return view;
}

void drawStarMapScene(Platform& p, const Assets& assets, const Meshes& meshes, const GameState& s) {
    const Picture::Sternenkarte& karte = s.picture.karte;
    CD3DFile* kugel = meshes[lpXFileSonne];
    D3DMATRIX world;
    // The visible stars look by look, each look's in index order: the
    // texture changes five times a frame instead of at nearly every star.
    // The spheres are opaque and depth-tested, so the picture is the same as
    // in index order.
    std::vector<const Sternart*> artVon(s.stern.size(), nullptr);  // null: not visible
    for (std::size_t i = 0; i < s.stern.size() && i < karte.sichtbar.size(); ++i) {
        if (karte.sichtbar[i]) artVon[i] = &sternart(s.stern[i]);
    }
    for (const Sternart* look : kAlleSternarten) {
        p.setTexture(assets.texture[look->texture]);
        for (std::size_t i = 0; i < artVon.size(); ++i) {
            if (artVon[i] == look) Render_Object(p, kugel, s.stern[i].pos, {0, 0, 0}, look->groesse, world);
        }
    }
    if (karte.ziel != karte.standort) {
        p.setTexture(assets.texture[lpSonne4Texture]);
        Render_Object(p, kugel, s.sternAt(karte.ziel).pos, {0, 0, 0}, kMarkierung, world);
    }
    p.setTexture(assets.texture[lpSonne2Texture]);
    Render_Object(p, kugel, karte.mitte, {0, 0, 0}, kMarkierung, world);
}

void drawStarMapPanel(Platform& p, const Assets& assets, const GameState& s) {
    drawPanel(p, assets);
    TextLayer t(p, assets.zeichensatz);
    const Stern& ziel = s.sternAt(s.picture.karte.ziel);

    for (int n = 8; n <= 19; ++n) t.Text(kX, zeile(n), GameText("               ~"));
    t.Text(kX, zeile(0), GameText("Standort :~"));
    t.Text(kX, zeile(1), s.sternAt(s.picture.karte.standort).name);
    t.Text(kX, zeile(3), GameText("Passagierziel:~"));
    t.Text(kX, zeile(4), s.sternAt(s.passagierziel).name);
    if (s.passagiertyp == kKeinePassagiere) t.Text(kX, zeile(4), GameText("keines         ~"));
    t.Text(kX, zeile(6), GameText("Zielsystem :~"));
    t.Text(kX, zeile(7), GameText("------------~"));
    t.Text(kX, zeile(8), ziel.name);
    t.Text(kX, zeile(9), GameText("Typ :~"));
    t.Text(kEingerueckt, zeile(10), ziel.typ);
    t.Text(kX, zeile(11), GameText("Sternenbild :~"));
    t.Text(kEingerueckt, zeile(12), ziel.sternbld);
    t.Text(kX, zeile(13), GameText("Planeten :~"));
    t.Var(kZahlen, zeile(13), static_cast<std::uint32_t>(ziel.planeten + 1));
    t.Text(kX, zeile(14), GameText("Regierung :~"));
    t.Text(kX, zeile(15), regierungText(regierung(ziel)));
    t.Text(kX, zeile(16), GameText("Wirtschaft :~"));
    t.Text(kX, zeile(17), wirtschaftText(wirtschaft(ziel)));
    t.Text(kX, zeile(18), GameText("Einwohner :~"));
    t.Var(808, zeile(19), static_cast<std::uint32_t>(bevoelkerung(ziel)));
    t.Text(840, zeile(19), GameText("Milliarden~"));
    t.Text(kX, zeile(21), GameText("Ladung an Bord :~"));
    t.Text(kX, zeile(22), GameText("================~"));
    for (int ware = 0; ware < kWarenAnzahl; ++ware) {
        t.Text(kX, zeile(24 + ware), kWaren[static_cast<std::size_t>(ware)].name);
        t.Var(kZahlen, zeile(24 + ware), ladung(s, ware));
    }
    t.Text(kX, zeile(43), GameText("Geld :~"));
    t.Var(kZahlen, zeile(43), static_cast<std::uint32_t>(s.geld));
}
