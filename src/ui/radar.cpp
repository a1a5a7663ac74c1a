#include "ui/radar.h"

#include "platform/device_setup.h"
#include "platform/render_object.h"

namespace {
constexpr float kPunkt = 200.0f;      // size of a radar sphere
constexpr float kAbstand = 10000.0f;  // the radar camera behind the ship
}  // namespace

void Radar(platform::Platform& p, const Assets& a, const Meshes& m, const GameState& s, const char*& ErrStr) {
    p.blit(0, 0, a.bitmap[lpDDSRadarBack], {0, 0, 192, 192}, true);
    prepareDevice(p, ErrStr, 192, 5000.0f, 0xE5E5E5E5);
    if (!p.beginScene()) return;
    // The spheres sit over the radar's picture; only the depth starts afresh.
    p.clear(false, 0, true, 1.0f);

    const D3DVECTOR ship{s.x, s.y, s.z};
    D3DMATRIX view;
    D3DUtil_SetIdentityMatrix(view);
    // From behind the ship toward a point just ahead of (or behind) it: the
    // direction is the ship's nose either way.
    D3DUtil_SetViewMatrixAlong(view, ship - kAbstand * s.blickrichtung, s.blickrichtung, s.aufrichtung);
    p.setTransform(platform::TransformState::View, view);

    CD3DFile* sphere = m[lpXFileCube];
    D3DMATRIX world;
    D3DUtil_SetIdentityMatrix(world);
    p.setTexture(a.texture[lpSonne3Texture]);  // blue
    for (const std::optional<Gate>* gate : {&s.sonnentor, &s.aussentor, &s.planetentor, &s.mondtor, &s.sternentor}) {
        if (*gate) Render_Object(p, sphere, (*gate)->pos, (*gate)->ang, kPunkt, world);
    }
    p.setTexture(a.texture[lpSonne4Texture]);  // white
    for (const auto& station : s.station) {
        if (station) Render_Object(p, sphere, station->pos, station->ang, kPunkt, world);
    }
    for (const auto& ship_ : s.raumschiff) {
        if (!ship_ || ship_->typ >= 13) continue;
        p.setTexture(a.texture[ship_->attacking ? lpSonne2Texture : lpSonne1Texture]);  // red, yellow
        Render_Object(p, sphere, ship_->pos, ship_->ang, kPunkt, world);
    }
    p.setTexture(a.texture[lpGrauTexture]);
    Render_Object(p, sphere, ship, {0, 0, 0}, kPunkt, world);
    p.endScene();
}
