#include <gtest/gtest.h>

#include <cmath>

#include "flight/enemy_ships.h"
#include "world/asteroid.h"
#include "support/arena.h"
#include "world/ship_types.h"

// How ships steer, and the draws they make for it, are pinned frame by frame
// by the fight at the Moon (tests/flight/combat_pin_test.cpp); here are the
// edges.

// The enemy distance shown is the nearest attacker's own to the ship, in
// the mean-plane measure: a nearer peaceful ship does not count, and one
// within 1500, which steers at a random point, counts its own distance.
TEST(EnemyShips, TheDistanceShownIsTheNearestAttackersOwn) {
    for (const auto& [x, measure] : {std::pair{3000.0f, 2000.0f}, {1200.0f, 800.0f}}) {
        GameState s = arena();
        s.x = x;
        placeShip(s, 0, kJaeger, {0, 0, 0});
        placeShip(s, 1, kFrachter, {x - 100, 0, 0});
        s.nahfeind = 9999999.0f;
        enemyShips(s);
        EXPECT_FLOAT_EQ(s.nahfeind, measure) << x;
    }
}

// An attacker on top of the player picks a random aim point; put it exactly
// there, so that its way to the aim point has no length.
TEST(EnemyShips, AShipExactlyAtItsAimPointNeitherFiresNorGoesNaN) {
    GameState s = arena();
    placeShip(s, 0, 9, {});
    for (int frame = 0; frame < 200; ++frame) {
        Random peek = s.rng;
        const D3DVECTOR next = fieldPosition(peek);
        s.raumschiff[0]->pos = next;
        s.x = next.x;
        s.y = next.y;
        s.z = next.z;
        enemyShips(s);
        ASSERT_FALSE(s.schuss[0]) << frame;
        EXPECT_EQ(s.nahfeind, 0.0f);
        EXPECT_FALSE(std::isnan(s.raumschiff[0]->pos.x));
    }
}

