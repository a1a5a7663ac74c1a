#include "flight/scene.h"

#include <algorithm>
#include <cmath>

#include "flight/flight_step.h"
#include "platform/render_object.h"

namespace {

using platform::Platform;
using platform::TextureId;

constexpr float kSkyScale = -190000.0f;

struct Form {
    float x, y, z;
};

// Each ship type's proportions, applied to its mesh.
constexpr Form kSchiffsform[kSchiffstypen] = {
    {0.7f, 1.0f, 0.2f}, {0.3f, 1.0f, 0.3f}, {0.2f, 1.0f, 0.7f}, {0.2f, 1.0f, 1.0f},
    {0.3f, 1.0f, 0.3f}, {0.5f, 1.0f, 0.2f}, {1.0f, 0.5f, 0.2f}, {1.0f, 0.5f, 0.2f},
    {1.0f, 0.2f, 1.0f}, {1.0f, 1.0f, 0.3f}, {0.5f, 1.0f, 0.2f}, {1.0f, 1.0f, 0.3f},
};

// Moon looks by body code 1..9; other codes (never drawn by the universe)
// take the first look.
TextureId moonTexture(const Assets& a, int code) {
    switch (code & 15) {
        case 1: return a.lpAsteroidTexture[0];
        case 2: return a.lpAsteroidTexture[1];
        case 3: return a.lpAsteroidTexture[2];
        case 4: return a.lpAsteroidTexture[3];
        case 5:
        case 6: return a.lpPlanetTexture[12];  // Io
        case 7: return a.lpPlanetTexture[14];  // Titan
        case 8: return a.lpPlanetTexture[9];   // Uranus
        case 9: return a.lpPlanetTexture[10];  // Neptun
        default: return a.lpAsteroidTexture[0];
    }
}

// The gates flicker: four draws, each may pick a rarer look.
void flickerTexture(Platform& p, const Assets& a, Random& rng) {
    p.setTexture(a.lpTorTexture[0]);
    const int r = rng.rand() % 16;
    if (r < 8) p.setTexture(a.lpTorTexture[1]);
    if (rng.rand() % 16 < 4) p.setTexture(a.lpTorTexture[2]);
    if (rng.rand() % 16 < 2) p.setTexture(a.lpTorTexture[3]);
    if (rng.rand() % 16 < 1) p.setTexture(a.lpTorTexture[4]);
}

// Sun texture and size factor by star type; the texts compare exactly.
struct Sonnenart {
    GameText typ;
    int gr;
    int texture;  // index into lpSonneTexture
};
constexpr Sonnenart kSonnen[] = {
    {"Roter Riese~", 5, 1}, {"Normal~", 3, 0}, {"Blauer Riese~", 2, 2}, {"Weisser Riese~", 2, 3},
};

void drawGates(Platform& p, const Assets& a, const Meshes& m, GameState& s, D3DMATRIX& world) {
    flickerTexture(p, a, s.rng);
    for (const std::optional<Gate>* gate : {&s.sonnentor, &s.aussentor, &s.planetentor, &s.mondtor}) {
        if (*gate) Render_ScaledObject(p, m.lpXFileTor.get(), (*gate)->pos, (*gate)->ang, 1000.0f, world, 1, 0.2f, 1);
    }
    if (s.sternentor) {
        Render_ScaledObject(p, m.lpXFileTor.get(), s.sternentor->pos, s.sternentor->ang, 3000.0f, world, 1, 0.2f, 1);
    }
}

void drawBodies(Platform& p, const Assets& a, const Meshes& m, GameState& s, D3DMATRIX& world) {
    const Stern& stern = s.aktuellerStern();
    const int planetCode = stern.planet(s.planetenpos, 0) & 15;
    if (planetCode != 0) p.setTexture(a.lpPlanetTexture[planetCode - 1]);
    Render_Object(p, m.lpXFilePlanet.get(), s.planet.pos, s.planet.ang + D3DVECTOR(0, s.yviertel, 0),
                  33000.0f - 3000.0f * s.mondpos, world);

    int gr = 4;
    TextureId sunTexture = a.lpSonneTexture[1];
    for (const Sonnenart& art : kSonnen) {
        if (stern.typ == art.typ) {
            gr = art.gr;
            sunTexture = a.lpSonneTexture[art.texture];
        }
    }
    p.setTexture(sunTexture);
    Render_Object(p, m.lpXFileSonne.get(), s.sonne.pos, s.sonne.ang - D3DVECTOR(0, 1.25f, 0),
                  sunScale(stern, s.planetenpos) * gr, world);

    if (s.mondpos > 0) {
        p.setTexture(moonTexture(a, stern.planet(s.planetenpos, s.mondpos)));
        Render_Object(p, m.lpXFilePlanet.get(), s.mond1.pos, s.mond1.ang, 30000.0f, world);
    }
    if (const int next = stern.planet(s.planetenpos, s.mondpos + 1)) {
        p.setTexture(moonTexture(a, next));
        Render_Object(p, m.lpXFilePlanet.get(), s.mond.pos, s.mond.ang, 10000.0f, world);
    }
}

void drawShips(Platform& p, const Meshes& m, const GameState& s, D3DMATRIX& world) {
    for (const auto& slot : s.raumschiff) {
        if (!slot) continue;
        const EnemyShip& ship = *slot;
        if (ship.typ >= 1 && ship.typ <= kSchiffstypen) {
            const Form& f = kSchiffsform[ship.typ - 1];
            Render_ScaledObject(p, m.lpXFileRaumschiff[ship.typ - 1].get(), ship.pos, ship.ang, ship.scale,
                                world, f.x, f.y, f.z);
        } else if (ship.typ > 20) {
            // A growing cluster of four fireballs.
            const float t = static_cast<float>(ship.typ);
            for (int k = 4; k >= 1; --k) {
                const float kk = static_cast<float>(k);
                Render_ScaledObject(p, m.lpXFileExplosion.get(), ship.pos - D3DVECTOR(t * kk),
                                    ship.ang + D3DVECTOR((4 - kk) * 0.5f), t * 2 * kk, world, 1, 1, 1);
            }
        }
    }
}

}  // namespace

bool Visible(const GameState& s, const D3DVECTOR& pos) {
    D3DVECTOR from{s.x, s.y, s.z};
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

void drawScene(Platform& p, const Assets& a, const Meshes& m, GameState& s) {
    D3DMATRIX world;
    D3DUtil_SetIdentityMatrix(world);
    const D3DVECTOR ship{s.x, s.y, s.z};

    p.setTexture(s.blitz ? a.lpGrauTexture : a.lpCubeTexture);
    s.blitz = 0;
    Render_Object(p, m.lpXFileCube.get(), ship, {0, 0, 0}, kSkyScale, world);

    for (const Asteroid& asteroid : s.asteroid) {
        if (!Visible(s, asteroid.pos)) continue;
        p.setTexture(a.lpAsteroidTexture[std::clamp(asteroid.textur, 1, 4) - 1]);
        Render_Object(p, m.lpXFileAsteroid.get(), asteroid.pos, asteroid.ang, asteroid.scale, world);
    }
    if (s.bergasteroid) {
        p.setTexture(a.lpPlanetTexture[3]);  // Mars
        if (Visible(s, s.bergasteroid->pos)) {
            Render_Object(p, m.lpXFileAsteroid.get(), s.bergasteroid->pos, s.bergasteroid->ang,
                          s.bergasteroid->scale, world);
        }
    }

    drawGates(p, a, m, s, world);
    drawBodies(p, a, m, s, world);

    p.setTexture(a.lpGrauTexture);
    for (const auto& station : s.station) {
        if (!station) continue;
        const int kind = std::clamp(station->typ, 0, kStationSlots - 1);
        Render_ScaledObject(p, m.lpXFileStation[kind].get(), station->pos, station->ang, station->scale, world,
                            1, 0.2f, 1);
    }

    p.setTexture(0);
    drawShips(p, m, s, world);

    // The decoy's flicker draws its random numbers whether or not one flies.
    flickerTexture(p, a, s.rng);
    p.setTexture(0);
}
