#include "flight/gates.h"

#include <optional>

#include "world/location_generation.h"

namespace {

constexpr float kDurchgang = 500.0f;  // a gate is passed within this on every axis

bool inside(const std::optional<Gate>& gate, const GameState& s) {
    return gate && gate->pos.x < s.x + kDurchgang && gate->pos.x > s.x - kDurchgang &&
           gate->pos.y < s.y + kDurchgang && gate->pos.y > s.y - kDurchgang &&
           gate->pos.z < s.z + kDurchgang && gate->pos.z > s.z - kDurchgang;
}

// Where and how the ship comes out of a local gate: in front of the gate
// that leads back, looking away from it.
struct Ankunft {
    D3DVECTOR blickrichtung, aufrichtung, xAchse, pos;
    std::uint16_t frames;
};

void arrive(GameState& s, Services& services, const Ankunft& a) {
    Create_newCube(s, services);
    s.blickrichtung = a.blickrichtung;
    s.aufrichtung = a.aufrichtung;
    s.xAchse = a.xAchse;
    s.x = a.pos.x;
    s.y = a.pos.y;
    s.z = a.pos.z;
    if (s.speed < 2.0f) s.speed = 0.0f;  // a ship under way flies on
    s.torsprungz = a.frames;
    s.render = 3;
    services.Sound(kTorsprung);
}

}  // namespace

void gatePassages(GameState& s, Services& services) {
    if (inside(s.mondtor, s)) {
        s.mondpos += 1;
        arrive(s, services, {{1, 0, 0}, {0, 1, 0}, {0, 0, -1}, {-31000, 0, 0}, 60});
    }
    if (inside(s.planetentor, s)) {
        s.mondpos -= 1;
        arrive(s, services, {{-1, 0, 0}, {0, -1, 0}, {0, 0, -1}, {31000, 0, 0}, 60});
    }
    if (inside(s.sonnentor, s)) {
        s.planetenpos -= 1;
        arrive(s, services, {{0, 0, 1}, {0, 1, 0}, {1, 0, 0}, {0, 0, -31000}, 120});
    }
    if (inside(s.aussentor, s)) {
        s.planetenpos += 1;
        arrive(s, services, {{0, 0, -1}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 31000}, 120});
    }
    if (inside(s.sternentor, s)) {
        s.render = 1;
        s.speed = 0.0f;
        services.Sound(kTorsprung);
        services.reloadSunMesh();
    }
}

void jumpToSystem(GameState& s, Services& services, int system) {
    s.sternenpos = static_cast<std::uint16_t>(system);
    s.planetenpos = static_cast<std::uint16_t>(s.aktuellerStern().planeten);
    Create_newCube(s, services);
    placeOnAxis(s, -30000.0f);  // 2000 before the star gate, looking inward
    s.rotateKarte = 0.0f;
    s.torsprungz = 200;
    s.render = 3;
    services.Sound(kTorsprung);
}

void jumpAnimationStep(GameState& s) {
    s.picture.sprungSicht = 1.0f + s.torsprungz;
    if (s.torsprungz > 0) s.torsprungz -= 1;
    if (s.torsprungz == 0) s.render = 0;
}
