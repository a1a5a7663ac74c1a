#include "flight/asteroids.h"

#include "flight/collisions.h"
#include "world/collision.h"

namespace {

constexpr float kFelsGroesse = 1.2f;  // a rock's half-size, times its scale
constexpr int kBergbauLohn = 250;
constexpr int kMeldungFrames = 120;

enum Bergbaumeldung { kPlatziert = 1, kSchonPlatziert = 2, kKeinBeschleuniger = 3 };

bool touches(const GameState& s, const Asteroid& a) {
    return Collision({s.x, s.y, s.z}, kSchiffGegenFels, a.pos, kFelsGroesse * a.scale);
}

void mine(GameState& s, Services& services, const D3DVECTOR& start) {
    bounceShip(s, services, start, false);
    s.bergbaumeldungz = kMeldungFrames;
    const std::uint16_t code = s.aktuellerStern().planet(s.planetenpos, s.mondpos);
    if (!(code & kBergbauMarke)) {
        s.bergbaumeldung = kSchonPlatziert;
        services.Sound(kAufprall);
    } else if (s.beschleuniger == 0) {
        s.bergbaumeldung = kKeinBeschleuniger;
        services.Sound(kAufprall);
    } else {
        if (s.sternenpos < s.stern.size()) {
            s.stern[s.sternenpos].planet.set(s.planetenpos, s.mondpos, static_cast<std::uint16_t>(code - kBergbauMarke));
        }
        addIncome(s, kBergbauLohn);
        s.bergbaumeldung = kPlatziert;
        s.beschleuniger -= 1;
        services.Sound(kBergbau);
    }
}

}  // namespace

void asteroidContacts(GameState& s, Services& services, const D3DVECTOR& start) {
    for (const Asteroid& a : s.asteroid) {
        if (touches(s, a)) bounceShip(s, services, start);
    }
    if (s.bergasteroid && touches(s, *s.bergasteroid)) mine(s, services, start);
}
