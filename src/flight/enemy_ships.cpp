#include "flight/enemy_ships.h"

#include <algorithm>

#include "flight/steering.h"
#include "world/asteroid.h"
#include "world/collision.h"

namespace {

constexpr int kZerstoertTyp = 20;
constexpr int kWeg = 100;             // a wreck past this typ is gone
constexpr float kZielNaehe = 1500.0f;  // so near its aim point a ship picks another
constexpr float kSchussweite = 5000.0f;
constexpr float kSchussTempo = 100.0f;
constexpr float kFeindSchussLeben = 100.0f;

void fireShot(GameState& s, const EnemyShip& ship, const D3DVECTOR& d) {
    for (int slot = 0; slot < kSchussFeuerSlots; ++slot) {
        if (s.schuss[slot]) continue;
        Shot& shot = s.schuss[slot].emplace();
        shot.velocity = d * kSchussTempo;
        shot.pos = ship.pos + d * ship.scale * 2.0f;
        shot.life = kFeindSchussLeben;
        shot.typ = kFeindSchuss;
        return;
    }
}

void fireMissile(GameState& s, const EnemyShip& ship) {
    for (int slot = 0; slot < kFeindRaketen; ++slot) {
        if (s.rakete[slot]) continue;
        Missile& missile = s.rakete[slot].emplace();
        missile.pos = ship.pos;
        missile.ang = ship.ang;
        missile.targetIndex = kZielSpieler;
        return;
    }
}

// Turns and fires an intact ship; returns its heading before the turn.
D3DVECTOR steerAndFire(GameState& s, EnemyShip& ship, const D3DVECTOR& player) {
    if (Collision(ship.pos, kZielNaehe, ship.target, kZielNaehe)) ship.target = fieldPosition(s.rng);
    const Aim aim = aimAt(ship.target, ship.pos);
    const D3DVECTOR h = heading(ship.ang);
    const float lean = dotProduct(h, aim.d);
    if (lean < 0.8f && s.rng.rand() % 4 < 2) {
        turnAngle(ship.ang.x, ship.turnRate * 0.05f / 4.0f);
        turnAngle(ship.ang.y, ship.turnRate * 0.1f / 4.0f);
    }
    if (lean > 0.2f && s.rng.rand() % 4 < 2) {
        turnAngle(ship.ang.x, -ship.turnRate * 0.05f / 4.0f);
        turnAngle(ship.ang.y, -ship.turnRate * 0.1f / 4.0f);
    }
    // The distance the cockpit shows is the attacker's own to the ship, in
    // the same measure; its aim point may be a random one near the ship.
    if (ship.attacking) s.nahfeind = std::min(s.nahfeind, aimAt(player, ship.pos).m);
    // At its aim point a ship has no way to shoot along; the draw is made.
    if (s.rng.rand() % std::max(1, ship.fireInterval * 10) < 1 && aim.m < kSchussweite && ship.attacking && !aim.there()) {
        fireShot(s, ship, aim.d);
    }
    if (shipType(ship.typ).raketen && ship.attacking && s.rng.rand() % ((20 - ship.typ) * 2000) < 2) {
        fireMissile(s, ship);
    }
    return h;
}

}  // namespace

void enemyShips(GameState& s) {
    const D3DVECTOR player{s.x, s.y, s.z};
    for (auto& slot : s.raumschiff) {
        if (!slot) continue;
        EnemyShip& ship = *slot;
        if (ship.attacking) ship.target = player;
        // A wreck drifts up its y axis, whatever way it pointed.
        const D3DVECTOR h = ship.typ < kZerstoertTyp ? steerAndFire(s, ship, player) : D3DVECTOR(0.0f, 1.0f, 0.0f);
        ship.pos += h * ship.speed / 2.0f;
        ship.direction = h;
        if (ship.typ > kZerstoertTyp - 1) {
            ship.typ += 1;
            ship.attacking = false;
            if (ship.typ > kWeg) slot.reset();
        }
    }
}
