#include "flight/collisions.h"

#include "stations/combat_station.h"

namespace {
constexpr int kZerstoertTyp = 20;
constexpr int kBeuteFrames = 60;
}  // namespace

void destroyEnemyShip(GameState& s, Services& services, int slot, bool withLoot) {
    if (slot < 0 || slot >= kRaumschiffSlots || !s.raumschiff[slot]) return;
    EnemyShip& ship = *s.raumschiff[slot];
    ship.typ = kZerstoertTyp;
    if (!withLoot) return;
    services.Sound(kAbschuss);
    s.beute = (5 - ship.fireInterval) * 5;
    s.beutezaehler = kBeuteFrames;
    addIncome(s, s.beute);
    missionKill(s);  // the mission fight pays more, and its last kill ends it
}

void alarmGuards(GameState& s) {
    for (auto& ship : s.raumschiff) {
        if (ship && ship->typ == kWache) ship->attacking = true;
    }
}

bool guardedType(int typ) { return typ >= 1 && typ <= kSchiffstypen && !isPirateType(typ); }

void bounceShip(GameState& s, Services& services, const D3DVECTOR& start, bool withSound) {
    s.x = start.x;
    s.y = start.y;
    s.z = start.z;
    s.speed = -s.speed * 0.2f;
    if (withSound) services.Sound(kAufprall);
}
