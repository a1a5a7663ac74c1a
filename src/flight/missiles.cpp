#include "flight/missiles.h"

#include <algorithm>

#include "flight/collisions.h"
#include "flight/steering.h"
#include "flight/weapons.h"
#include "world/collision.h"

namespace {

constexpr float kRaketenTempo = 100.0f;
constexpr float kRaketeGegenDummy = 100.0f;
constexpr float kRaketeGegenSchiff = 100.0f;
constexpr float kSchiffGegenRakete = 200.0f;
constexpr float kFeindGegenRakete = 50.0f;
constexpr float kSpielerRaketeReichweite = 500.0f;
constexpr int kRaketenSchaden = 6;
constexpr int kWarnAbstand = 50;
constexpr int kDummyExplosion = 100;

// One missile's step on a copy of its record: when its prey's slot is
// empty, the missile is removed, and the rest of the step still runs on
// the copy (with its draw) but stores nothing.
void guide(GameState& s, int n) {
    Missile missile = *s.rakete[n];
    D3DVECTOR aimPoint = missile.target;
    if (missile.targetIndex == kZielSpieler) {
        aimPoint = {s.x, s.y, s.z};
    } else if (missile.targetIndex >= 0 && missile.targetIndex < kRaumschiffSlots) {
        if (s.raumschiff[missile.targetIndex]) {
            aimPoint = s.raumschiff[missile.targetIndex]->pos;
        } else {
            s.rakete[n].reset();
        }
    }
    if (n < kFeindRaketen && s.dummy) aimPoint = s.dummy->pos;

    const Aim aim = aimAt(aimPoint, missile.pos);
    const D3DVECTOR h = heading(missile.ang);
    if (dotProduct(h, aim.d) < 0.9f && s.rng.rand() % 4 < 2) {
        turnAngle(missile.ang.x, 0.625f);
        turnAngle(missile.ang.y, 1.25f);
    }
    missile.pos += h * kRaketenTempo;
    if (!s.rakete[n]) return;
    missile.direction = h;
    missile.target = aimPoint;
    *s.rakete[n] = missile;
}

void explodeNearShip(GameState& s, Services& services) {
    s.blitz = 1;
    services.Sound(kEinschlag);
    damageShield(s, kRaketenSchaden);
}

}  // namespace

void guideMissiles(GameState& s) {
    for (int n = 0; n < kRaketenSlots; ++n) {
        if (s.rakete[n]) guide(s, n);
    }
}

void missileWarning(GameState& s, Services& services) {
    if (std::none_of(s.rakete.begin(), s.rakete.begin() + kFeindRaketen, [](const auto& m) { return m.has_value(); })) {
        return;
    }
    s.raketenwarnz -= 1;
    if (s.raketenwarnz <= 0) {
        services.Sound(kRaketenwarnung);
        s.raketenwarnz = kWarnAbstand;
    }
}

void missileHits(GameState& s, Services& services) {
    for (int n = 0; n < kFeindRaketen; ++n) {
        if (!s.rakete[n] || !s.dummy) continue;
        if (!Collision(s.rakete[n]->pos, kRaketeGegenDummy, s.dummy->pos, kRaketeGegenDummy)) continue;
        // The decoy's blast is still felt aboard.
        explodeNearShip(s, services);
        s.rakete[n].reset();
        s.dummy->explode = kDummyExplosion;
    }
    const D3DVECTOR ship{s.x, s.y, s.z};
    for (int n = 0; n < kFeindRaketen; ++n) {
        if (!s.rakete[n] || !Collision(s.rakete[n]->pos, kRaketeGegenSchiff, ship, kSchiffGegenRakete)) continue;
        explodeNearShip(s, services);
        s.rakete[n].reset();
    }
    for (int slot = 0; slot < kRaumschiffSlots && s.rakete[kSpielerRakete]; ++slot) {
        if (!s.raumschiff[slot]) continue;
        if (!Collision(s.raumschiff[slot]->pos, kFeindGegenRakete, s.rakete[kSpielerRakete]->pos,
                       kSpielerRaketeReichweite)) {
            continue;
        }
        destroyEnemyShip(s, services, slot, true);
        s.rakete[kSpielerRakete].reset();
    }
}
