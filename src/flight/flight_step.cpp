#include "flight/flight_step.h"

#include <algorithm>
#include <cmath>

#include "world/collision.h"
#include "flight/collisions.h"
#include "flight/combat.h"
#include "flight/gates.h"
#include "flight/weapons.h"

namespace {

constexpr float kKampfTempo = 40.0f;
constexpr float kMaxTempo = 200.0f;
constexpr float kSchiffRadius = 5.0f;

// Speed caps by distance to a station, as multiples of its scale.
struct Tempolimit {
    float radius;
    float limit;
};
constexpr Tempolimit kTempolimits[] = {
    {100.0f, 150.0f}, {75.0f, 100.0f}, {50.0f, 75.0f}, {33.0f, 33.0f},
    {20.0f, 20.0f},   {12.0f, 12.0f},  {8.0f, 8.0f},
};
constexpr float kAndockRadius = 10.0f;

void stations(GameState& s, Services& services, const D3DVECTOR& start) {
    for (int slot = 0; slot < kStationSlots; ++slot) {
        if (!s.station[slot]) continue;
        const Station& station = *s.station[slot];
        const D3DVECTOR ship{s.x, s.y, s.z};
        for (const Tempolimit& t : kTempolimits) {
            if (Collision(ship, kSchiffRadius, station.pos, t.radius * station.scale) && s.speed > t.limit) {
                s.speed = t.limit;
            }
        }
        if (Collision(ship, kSchiffRadius, station.pos, kAndockRadius * station.scale)) {
            if (s.kampf) {
                bounceShip(s, services, start);
            } else {
                s.render = 2;
                s.nStation = slot;
            }
        }
    }
}

void rotate(D3DVECTOR& v, const D3DMATRIX& m) { D3DMath_VectorMatrixMultiply(v, v, m); }

}  // namespace

void spinAndPlaceBackdrop(GameState& s) {
    for (Asteroid& a : s.asteroid) {
        a.ang += D3DVECTOR(a.rotationX, a.rotationY, a.rotationZ);
    }
    if (s.bergasteroid) {
        Asteroid& a = *s.bergasteroid;
        a.ang += D3DVECTOR(a.rotationX, a.rotationY, a.rotationZ);
    }
    for (auto& station : s.station) {
        if (station) station->ang.y += 0.02f;
    }
    s.planet.pos = {s.x - 110000.0f, s.y, s.z};
    s.sonne.pos = {s.x, s.y, s.z + 90000.0f};
    s.mond.pos = {s.x + 110000.0f, s.y, s.z};
    s.mond1.pos = {s.x + 110000.0f, s.y, s.z - 110000.0f};
}

void turnShip(GameState& s) {
    D3DMATRIX m;
    D3DUtil_SetRotationMatrix(m, s.xAchse, s.nick);
    rotate(s.blickrichtung, m);
    rotate(s.aufrichtung, m);
    rotate(s.xAchse, m);
    D3DUtil_SetRotationMatrix(m, s.aufrichtung, s.kipp);
    rotate(s.xAchse, m);
    rotate(s.blickrichtung, m);
    rotate(s.aufrichtung, m);

    // Rounding would slowly bend and stretch the axes over hours of turning;
    // straighten them again. The side axis is up x forward, as it starts.
    s.blickrichtung = normalize(s.blickrichtung);
    s.aufrichtung = normalize(s.aufrichtung - s.blickrichtung * dotProduct(s.aufrichtung, s.blickrichtung));
    s.xAchse = crossProduct(s.aufrichtung, s.blickrichtung);
}

D3DMATRIX flightView(const Picture& picture, int backsight) {
    D3DMATRIX view;
    D3DUtil_SetIdentityMatrix(view);
    D3DUtil_SetViewMatrixAlong(view, picture.eye, static_cast<float>(backsight) * picture.forward, picture.up);
    return view;
}

void flightStep(GameState& s, Services& services) {
    s.kampf = 0;
    s.nahfeind = 9999999.0f;
    for (const auto& ship : s.raumschiff) {
        if (ship && ship->attacking) {
            s.speed = std::clamp(s.speed, -kKampfTempo, kKampfTempo);
            s.kampf = 1;
        }
    }
    s.speed = std::clamp(s.speed, -kMaxTempo, kMaxTempo);

    const D3DVECTOR start{s.x, s.y, s.z};
    s.x += s.blickrichtung.x * s.speed;
    s.y += s.blickrichtung.y * s.speed;
    s.z += s.blickrichtung.z * s.speed;
    s.ausserhalb = std::fabs(s.x) > kFeldGrenze || std::fabs(s.y) > kFeldGrenze ||
                   std::fabs(s.z) > kFeldGrenze;

    combatStep(s, services, start);
    stations(s, services, start);
    if (!s.kampf) gatePassages(s, services);

    if (shieldBroken(s)) {
        s.kampf = 0;
        s.gameover = 150;
        Start_newGame(s, services);
    }
    services.SetSpotlight({s.x, s.y, s.z}, s.blickrichtung);

    spinAndPlaceBackdrop(s);
    turnShip(s);
    s.picture.eye = {s.x, s.y, s.z};
    s.picture.forward = s.blickrichtung;
    s.picture.up = s.aufrichtung;
}
