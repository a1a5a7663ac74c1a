#include "ui/star_map_screen.h"

#include "platform/render_object.h"
#include "ui/cockpit.h"
#include "ui/star_looks.h"
#include "ui/text.h"
#include "world/goods.h"

namespace {

using platform::Platform;

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
    for (const Sternentyp art : kKartenfolge) {
        const Sternaussehen& look = aussehen(art);
        p.setTexture(assets.texture[look.kartenTextur]);
        for (std::size_t i = 0; i < s.stern.size() && i < karte.sichtbar.size(); ++i) {
            const Sternaussehen& seins = aussehen(s.stern[i].typ);
            if (karte.sichtbar[i] && seins.karte == look.karte && seins.kartenTextur == look.kartenTextur) {
                Render_Object(p, kugel, s.stern[i].pos, {0, 0, 0}, look.karte, world);
            }
        }
    }
    if (karte.ziel != karte.standort) {
        p.setTexture(assets.texture[lpSonne4Texture]);
        Render_Object(p, kugel, s.sternAt(karte.ziel).pos, {0, 0, 0}, kMarkierung, world);
    }
    p.setTexture(assets.texture[lpSonne2Texture]);
    Render_Object(p, kugel, karte.mitte, {0, 0, 0}, kMarkierung, world);
}

void drawStarMapPanel(Platform& p, const Assets& assets, const Texte& texte, const GameState& s) {
    drawPanel(p, assets);
    TextLayer t(p, assets.zeichensatz, texte);
    const Stern& ziel = s.sternAt(s.picture.karte.ziel);

    for (int n = 8; n <= 19; ++n) t.Text(kX, zeile(n), kLeereZeile);
    t.Text(kX, zeile(0), TextId::Standort);
    t.Text(kX, zeile(1), s.sternAt(s.picture.karte.standort).name);
    t.Text(kX, zeile(3), TextId::Passagierziel);
    t.Text(kX, zeile(4), s.sternAt(s.passagierziel).name);
    if (s.passagiertyp == kKeinePassagiere) t.Text(kX, zeile(4), TextId::KeinPassagierziel);
    t.Text(kX, zeile(6), TextId::Zielsystem);
    t.Text(kX, zeile(7), "------------");
    t.Text(kX, zeile(8), ziel.name);
    t.Text(kX, zeile(9), TextId::Typ);
    t.Text(kEingerueckt, zeile(10), text(ziel.typ));
    t.Text(kX, zeile(11), TextId::Sternenbild);
    t.Text(kEingerueckt, zeile(12), text(ziel.sternbld));
    t.Text(kX, zeile(13), TextId::Planeten);
    t.Var(kZahlen, zeile(13), static_cast<std::uint32_t>(ziel.planeten + 1));
    t.Text(kX, zeile(14), TextId::Regierung);
    t.Text(kX, zeile(15), regierungText(regierung(ziel)));
    t.Text(kX, zeile(16), TextId::Wirtschaft);
    t.Text(kX, zeile(17), wirtschaftText(wirtschaft(ziel)));
    t.Text(kX, zeile(18), TextId::Einwohner);
    t.Var(808, zeile(19), static_cast<std::uint32_t>(bevoelkerung(ziel)));
    t.Text(840, zeile(19), TextId::Milliarden);
    t.Text(kX, zeile(21), TextId::LadungAnBord);
    t.Text(kX, zeile(22), "================");
    for (int ware = 0; ware < kWarenAnzahl; ++ware) {
        t.Text(kX, zeile(24 + ware), kWaren[static_cast<std::size_t>(ware)].name);
        t.Var(kZahlen, zeile(24 + ware), ladung(s, ware));
    }
    t.Text(kX, zeile(43), TextId::Geld);
    t.Var(kZahlen, zeile(43), static_cast<std::uint32_t>(s.geld));
}
