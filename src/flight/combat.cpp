#include "flight/combat.h"

#include "flight/asteroids.h"
#include "flight/enemy_ships.h"
#include "flight/missiles.h"
#include "flight/shots.h"
#include "flight/weapons.h"

void combatStep(GameState& s, Services& services, const D3DVECTOR& start) {
    recharge(s);
    fireCannon(s, services);
    fireGigaBomb(s, services);
    launchDecoy(s);
    launchMissile(s);
    moveShots(s, services);
    enemyShips(s);
    guideMissiles(s);
    missileWarning(s, services);
    missileHits(s, services);
    asteroidContacts(s, services, start);
}
