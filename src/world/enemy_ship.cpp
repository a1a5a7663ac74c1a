#include "world/enemy_ship.h"

#include "world/asteroid.h"

EnemyShip::EnemyShip(int typ_, Random& rng) : typ(typ_) {
    pos = fieldPosition(rng);
    // A provisional aim point is drawn and at once replaced by the type's own.
    fieldPosition(rng);

    const ShipType& type = shipType(typ_);
    hitPoints = type.hitPoints;
    scale = type.scale;
    speed = type.speed;
    turnRate = type.turnRate;
    fireInterval = type.fireInterval;
    attacking = type.pirate;
    target = type.target;
}
