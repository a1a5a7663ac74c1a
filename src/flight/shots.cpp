#include "flight/shots.h"

#include "flight/collisions.h"
#include "flight/weapons.h"
#include "world/collision.h"

namespace {

constexpr float kSchussGegenStation = 50.0f;
constexpr float kStationsTreffer = 10.0f;  // times the station's scale
constexpr float kSchussGegenSchiff = 50.0f;
constexpr float kSpielerTreffer = 500.0f;
constexpr float kSchussGegenFeind = 5.0f;
constexpr int kZerstoertTyp = 20;

void hit(GameState& s, Shot& shot) {
    shot.life = 0.0f;
    s.blitz = 1;
}

void againstStations(GameState& s, Services& services, Shot& shot) {
    for (const auto& station : s.station) {
        if (!station || !Collision(shot.pos, kSchussGegenStation, station->pos, kStationsTreffer * station->scale)) {
            continue;
        }
        hit(s, shot);
        services.Sound(kTreffer);
        alarmGuards(s);
    }
}

void againstPlayer(GameState& s, Services& services, Shot& shot) {
    if (shot.typ != kFeindSchuss) return;
    if (!Collision(shot.pos, kSchussGegenSchiff, {s.x, s.y, s.z}, kSpielerTreffer)) return;
    damageShield(s, 1);
    hit(s, shot);
    services.Sound(kEinschlag);
}

void againstShips(GameState& s, Services& services, Shot& shot) {
    for (int slot = 0; slot < kRaumschiffSlots; ++slot) {
        if (!s.raumschiff[slot]) continue;
        EnemyShip& ship = *s.raumschiff[slot];
        if (ship.typ >= kZerstoertTyp || !Collision(shot.pos, kSchussGegenFeind, ship.pos, ship.scale)) continue;
        hit(s, shot);
        services.Sound(kTreffer);
        ship.attacking = true;
        ship.hitPoints -= 1;
        if (ship.hitPoints < 1) destroyEnemyShip(s, services, slot, true);
        // The fatal shot leaves the guards be: the ship is no longer one of
        // theirs to protect.
        if (guardedType(ship.typ)) alarmGuards(s);
    }
}

}  // namespace

void moveShots(GameState& s, Services& services) {
    for (int slot = 0; slot < kSchussFeuerSlots; ++slot) {
        if (!s.schuss[slot]) continue;
        Shot& shot = *s.schuss[slot];
        shot.pos += shot.velocity;
        shot.life -= 1.0f;
        againstStations(s, services, shot);
        againstPlayer(s, services, shot);
        againstShips(s, services, shot);
        if (shot.life <= 0.0f) s.schuss[slot].reset();
    }
}
