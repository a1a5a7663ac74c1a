#include "flight/enemy_ship.h"

#include <array>

#include "flight/asteroid.h"

namespace {

constexpr D3DVECTOR kAhead{0.0f, 20.0f, 10020.0f};

// Index = type - 1.
constexpr std::array<ShipTypeValues, kSchiffstypen> kShipTypes{{
    {5, 180.0f, 20.0f, 1.0f, 3, false, {0.0f, 2000.0f, 0.0f}},         // 1
    {6, 250.0f, 25.0f, 1.5f, 4, false, kAhead},                        // 2
    {4, 180.0f, 30.0f, 1.5f, 3, false, {1000.0f, 10000.0f, 1000.0f}},  // 3
    {4, 180.0f, 50.0f, 3.0f, 3, true, kAhead},                         // 4
    {8, 300.0f, 20.0f, 1.0f, 2, false, kAhead},                        // 5
    {5, 180.0f, 50.0f, 3.5f, 2, true, kAhead},                         // 6
    {6, 300.0f, 50.0f, 2.5f, 2, false, kAhead},                        // 7 station guard
    {1, 180.0f, 50.0f, 3.0f, 4, true, kAhead},                         // 8
    {10, 400.0f, 20.0f, 1.0f, 1, true, kAhead},                        // 9
    {6, 100.0f, 60.0f, 4.0f, 3, true, kAhead},                         // 10
    {3, 250.0f, 50.0f, 1.0f, 4, false, kAhead},                        // 11
    {2, 180.0f, 40.0f, 2.5f, 4, false, kAhead},                        // 12
}};

}  // namespace

const ShipTypeValues& shipType(int typ) {
    const int index = (typ >= 1 && typ <= kSchiffstypen) ? typ - 1 : 0;
    return kShipTypes[index];
}

bool isPirateType(int typ) {
    return typ >= 1 && typ <= kSchiffstypen && kShipTypes[typ - 1].attacking;
}

EnemyShip::EnemyShip(int typ_, Random& rng) : typ(typ_) {
    pos = fieldPosition(rng);
    // A provisional aim point is drawn and at once replaced by the type's own.
    fieldPosition(rng);

    const ShipTypeValues& values = shipType(typ_);
    hitPoints = values.hitPoints;
    scale = values.scale;
    speed = values.speed;
    turnRate = values.turnRate;
    fireInterval = values.fireInterval;
    attacking = values.attacking;
    target = values.target;
}
