#include "support/arena.h"

#include "support/test_world.h"

GameState arena() {
    GameState s = freshWorld();
    for (auto& st : s.station) st.reset();
    for (auto& ship : s.raumschiff) ship.reset();
    s.mondtor.reset();
    s.aussentor.reset();
    s.sonnentor.reset();
    s.asteroid.clear();
    s.bergasteroid.reset();
    return s;
}

EnemyShip& placeShip(GameState& s, int slot, int typ, const D3DVECTOR& pos) {
    EnemyShip& ship = s.raumschiff[slot].emplace(typ, s.rng);
    ship.pos = pos;
    return ship;
}
