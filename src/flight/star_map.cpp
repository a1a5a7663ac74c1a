#include "flight/star_map.h"

#include <algorithm>
#include <cmath>

#include "flight/gates.h"
#include "platform/d3d_matrix.h"

namespace {

constexpr float kKartenEbene = 400.0f;  // the chart's plane
constexpr float kDrehschritt = 0.02f;   // radians per frame
constexpr float kZoomschritt = 10.0f;   // camera z per frame
constexpr int kSucheVon = 200, kSucheBis = 10, kSuchschritt = 5;
constexpr float kSuchfeld = 6.0f;       // half the side of the search square

}  // namespace

D3DVECTOR kartenPosition(const Stern& stern) {
    const float y = stern.dekl > 0.0f ? 8.0f * stern.dekl : -8.0f * std::fabs(std::trunc(stern.dekl));
    return {(stern.rekt - 12.0f) * 80.0f, y, kKartenEbene};
}

bool imSichtfenster(const Stern& stern, const Stern& aktuell, float zKarte) {
    const float zoom = -zKarte / 16.0f;
    return stern.dekl - 30.0f - zoom < aktuell.dekl && aktuell.dekl < stern.dekl + 30.0f + zoom &&
           stern.rekt - 3.0f - zoom / 10.0f < aktuell.rekt && aktuell.rekt < stern.rekt + 3.0f + zoom / 10.0f;
}

D3DVECTOR suchrichtung(float rotateKarte) {
    D3DMATRIX drehung;
    D3DUtil_SetRotateZMatrix(drehung, -rotateKarte);
    D3DVECTOR richtung{0.0f, 1.0f, 0.0f};
    D3DMath_VectorMatrixMultiply(richtung, richtung, drehung);
    return richtung;
}

int zielsuche(const GameState& s, const D3DVECTOR& mitte, const D3DVECTOR& richtung) {
    int ziel = s.sternenpos;
    for (int abstand = kSucheVon; abstand > kSucheBis; abstand -= kSuchschritt) {
        const float px = mitte.x + static_cast<float>(abstand) * richtung.x;
        const float py = mitte.y + static_cast<float>(abstand) * richtung.y;
        for (int i = 0; i < static_cast<int>(s.stern.size()); ++i) {
            const D3DVECTOR& pos = s.stern[static_cast<std::size_t>(i)].pos;
            if (pos.x < px + kSuchfeld && pos.x > px - kSuchfeld && pos.y < py + kSuchfeld &&
                pos.y > py - kSuchfeld) {
                ziel = i;
            }
        }
    }
    return ziel;
}

void starMapStep(GameState& s, Services& services) {
    s.aufgabePlanet = 0;
    s.aufgabeMond = 0;

    const Stern& aktuell = s.aktuellerStern();
    Picture::Sternenkarte& karte = s.picture.karte;
    karte.sichtbar.fill(false);
    for (std::size_t i = 0; i < s.stern.size() && i < karte.sichtbar.size(); ++i) {
        karte.sichtbar[i] = imSichtfenster(s.stern[i], aktuell, s.zKarte);
    }

    if (s.mouseLeft || s.right) s.rotateKarte += kDrehschritt;
    if (s.mouseRight || s.left) s.rotateKarte -= kDrehschritt;
    if (s.mouseUp || s.up) s.zKarte += kZoomschritt;
    if (s.mouseDown || s.down) s.zKarte -= kZoomschritt;
    s.zKarte = std::min(s.zKarte, 0.0f);

    for (Stern& stern : s.stern) stern.pos = kartenPosition(stern);
    karte.mitte = kartenPosition(aktuell);
    karte.zKarte = s.zKarte;
    karte.rotateKarte = s.rotateKarte;
    karte.standort = s.sternenpos;
    karte.ziel = static_cast<std::uint16_t>(zielsuche(s, karte.mitte, suchrichtung(s.rotateKarte)));

    if (s.shift || s.mouseButtonRight) jumpToSystem(s, services, karte.ziel);
}
