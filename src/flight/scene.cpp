#include "flight/scene.h"

#include <algorithm>
#include <cmath>

#include "flight/flight_step.h"
#include "platform/render_object.h"
#include "ui/star_looks.h"

namespace {

using platform::Platform;
using platform::TextureId;

constexpr float kSkyScale = -190000.0f;

// Moon looks by body code 1..9; other codes (never drawn by the universe)
// take the first look.
TextureId moonTexture(const Assets& a, int code) {
    switch (code & 15) {
        case 2: return a.texture[lpAsteroid2Texture];
        case 3: return a.texture[lpAsteroid3Texture];
        case 4: return a.texture[lpAsteroid4Texture];
        case 5:
        case 6: return a.texture[lpPlanet13Texture];  // Io
        case 7: return a.texture[lpPlanet15Texture];  // Titan
        case 8: return a.texture[lpPlanet10Texture];  // Uranus
        case 9: return a.texture[lpPlanet11Texture];  // Neptun
        default: return a.texture[lpAsteroid1Texture];
    }
}

void drawGates(Platform& p, const Assets& a, const Meshes& m, const GameState& s, D3DMATRIX& world) {
    p.setTexture(a.texture[lpTor1Texture + s.picture.torTextur]);
    for (const std::optional<Gate>* gate : {&s.sonnentor, &s.aussentor, &s.planetentor, &s.mondtor}) {
        if (*gate) Render_ScaledObject(p, m[lpXFileTor], (*gate)->pos, (*gate)->ang, 1000.0f, world, 1, 0.2f, 1);
    }
    if (s.sternentor) {
        Render_ScaledObject(p, m[lpXFileTor], s.sternentor->pos, s.sternentor->ang, 3000.0f, world, 1, 0.2f, 1);
    }
}

void drawBodies(Platform& p, const Assets& a, const Meshes& m, const GameState& s, D3DMATRIX& world) {
    const Stern& stern = s.aktuellerStern();
    const int planetCode = stern.planet(s.planetenpos, 0) & 15;
    if (planetCode != 0) p.setTexture(a.texture[lpPlanet1Texture + planetCode - 1]);
    Render_Object(p, m[lpXFilePlanet], s.planet.pos, s.planet.ang + D3DVECTOR(0, s.yviertel, 0),
                  33000.0f - 3000.0f * s.mondpos, world);

    const Sternaussehen& sonne = aussehen(stern.typ);
    p.setTexture(a.texture[sonne.sonnenTextur]);
    Render_Object(p, m[lpXFileSonne], s.sonne.pos, s.sonne.ang - D3DVECTOR(0, 1.25f, 0),
                  sunScale(stern, s.planetenpos) * sonne.sonne, world);

    if (s.mondpos > 0) {
        p.setTexture(moonTexture(a, stern.planet(s.planetenpos, s.mondpos)));
        Render_Object(p, m[lpXFilePlanet], s.mond1.pos, s.mond1.ang, 30000.0f, world);
    }
    if (const int next = stern.planet(s.planetenpos, s.mondpos + 1)) {
        p.setTexture(moonTexture(a, next));
        Render_Object(p, m[lpXFilePlanet], s.mond.pos, s.mond.ang, 10000.0f, world);
    }
}

void drawShips(Platform& p, const Meshes& m, const GameState& s, D3DMATRIX& world) {
    for (const auto& slot : s.raumschiff) {
        if (!slot) continue;
        const EnemyShip& ship = *slot;
        if (ship.typ >= 1 && ship.typ <= kSchiffstypen) {
            const ShipType& type = shipType(ship.typ);
            Render_ScaledObject(p, m.byFile(type.mesh), ship.pos, ship.ang, ship.scale, world, type.form.x,
                                type.form.y, type.form.z);
        } else if (ship.typ > 20) {
            // A growing cluster of four fireballs.
            const float t = static_cast<float>(ship.typ);
            for (int k = 4; k >= 1; --k) {
                const float kk = static_cast<float>(k);
                Render_ScaledObject(p, m[lpXFileExplosion], ship.pos - D3DVECTOR(t * kk),
                                    ship.ang + D3DVECTOR((4 - kk) * 0.5f), t * 2 * kk, world, 1, 1, 1);
            }
        }
    }
}

// A player's shot glows in its cannon's colour, an enemy's red. A cannon
// number outside 1..4 (a shot still flying after the cannon was sold) keeps
// whatever look was bound before.
void drawShots(Platform& p, const Assets& a, const Meshes& m, const GameState& s, D3DMATRIX& world) {
    constexpr TextureName kKanonenLicht[] = {lpSonne2Texture, lpSonne1Texture, lpSonne3Texture, lpTor1Texture};
    for (const auto& shot : s.schuss) {
        if (!shot) continue;
        if (shot->typ == kFeindSchuss) {
            p.setTexture(a.texture[lpSonne2Texture]);
        } else if (shot->typ == kSpielerSchuss && s.kanone >= 1 && s.kanone <= 4) {
            p.setTexture(a.texture[kKanonenLicht[s.kanone - 1]]);
        }
        Render_Object(p, m[lpXFileSonne], shot->pos, {0, 0, 0}, 5.0f, world);
    }
}

void drawMissiles(Platform& p, const Meshes& m, const GameState& s, D3DMATRIX& world) {
    for (const auto& missile : s.rakete) {
        if (missile) Render_ScaledObject(p, m[lpXFileRakete], missile->pos, missile->ang, 30.0f, world, 0.7f, 1, 0.7f);
    }
}

// The decoy flickers like the gates; exploding, it is a growing fireball.
void drawDecoy(Platform& p, const Assets& a, const Meshes& m, const GameState& s, D3DMATRIX& world) {
    p.setTexture(a.texture[lpTor1Texture + s.picture.dummyTextur]);
    if (!s.picture.dummy) return;
    const Decoy& decoy = *s.picture.dummy;
    if (s.picture.dummyExplosion > 0.0f) {
        Render_Object(p, m[lpXFileExplosion], decoy.pos, decoy.ang, s.picture.dummyExplosion, world);
    } else {
        Render_Object(p, m[lpXFileCube], decoy.pos, decoy.ang, 100.0f, world);
    }
}

}  // namespace

bool Visible(const GameState& s, const D3DVECTOR& pos) {
    D3DVECTOR from = s.picture.eye;
    if (s.ausserhalb) {
        from.x = std::clamp(from.x, -kFeldGrenze, kFeldGrenze);
        from.y = std::clamp(from.y, -kFeldGrenze, kFeldGrenze);
        from.z = std::clamp(from.z, -kFeldGrenze, kFeldGrenze);
    }
    return std::fabs(pos.x - from.x) < s.SIGHT && std::fabs(pos.y - from.y) < s.SIGHT &&
           std::fabs(pos.z - from.z) < s.SIGHT;
}

float sunScale(const Stern& stern, int planetenpos) {
    const int planeten = std::max(stern.planeten, 1);
    return static_cast<float>(2000 / planeten * (planeten - planetenpos) + 400);
}

void drawScene(Platform& p, const Assets& a, const Meshes& m, const GameState& s) {
    D3DMATRIX world;
    D3DUtil_SetIdentityMatrix(world);

    p.setTexture(a.texture[s.picture.grauerHimmel ? lpGrauTexture : lpCubeTexture]);
    Render_Object(p, m[lpXFileCube], s.picture.eye, {0, 0, 0}, kSkyScale, world);

    for (const Asteroid& asteroid : s.asteroid) {
        if (!Visible(s, asteroid.pos)) continue;
        p.setTexture(a.texture[lpAsteroid1Texture + std::clamp(asteroid.textur, 1, 4) - 1]);
        Render_Object(p, m[lpXFileAsteroid], asteroid.pos, asteroid.ang, asteroid.scale, world);
    }
    if (s.bergasteroid) {
        p.setTexture(a.texture[lpPlanet4Texture]);  // Mars
        if (Visible(s, s.bergasteroid->pos)) {
            Render_Object(p, m[lpXFileAsteroid], s.bergasteroid->pos, s.bergasteroid->ang, s.bergasteroid->scale,
                          world);
        }
    }

    drawGates(p, a, m, s, world);
    drawBodies(p, a, m, s, world);

    p.setTexture(a.texture[lpGrauTexture]);
    for (const auto& station : s.station) {
        if (!station) continue;
        Render_ScaledObject(p, m.byFile(stationsart(station->typ).modell), station->pos, station->ang, station->scale,
                            world, 1, 0.2f, 1);
    }

    drawShots(p, a, m, s, world);

    p.setTexture(0);
    drawShips(p, m, s, world);
    drawMissiles(p, m, s, world);
    drawDecoy(p, a, m, s, world);
    p.setTexture(0);
}
