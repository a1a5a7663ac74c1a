#include <gtest/gtest.h>

#include <cmath>

#include "flight/enemy_ships.h"
#include "world/asteroid.h"
#include "support/arena.h"
#include "world/ship_types.h"

// How ships steer, and the draws they make for it, are pinned frame by frame
// by the fight at the Moon (tests/flight/combat_pin_test.cpp); here are the
// edges.

TEST(EnemyShips, NearestAttackerAndWhenTheyFire) {
    GameState s = arena();
    s.x = 3000.0f;
    placeShip(s, 0, 4, {0, 0, 0});     // attacks: 2000 in the mean-plane measure
    placeShip(s, 1, 1, {2900, 0, 0});  // peaceful: never counted, never fires
    int shots = 0;
    for (int frame = 0; frame < 300; ++frame) {
        s.nahfeind = 9999999.0f;
        enemyShips(s);
        for (auto& shot : s.schuss) {
            if (!shot) continue;
            EXPECT_EQ(shot->typ, kFeindSchuss);
            EXPECT_NEAR(magnitude(shot->velocity), 100.0f * magnitude(s.raumschiff[0]->target - s.raumschiff[0]->pos) /
                                                       2000.0f, 20.0f);
            ++shots;
            shot.reset();
        }
        s.raumschiff[0]->pos = {0, 0, 0};
        s.raumschiff[0]->ang = {0, 0, 0};
        EXPECT_FLOAT_EQ(s.nahfeind, 2000.0f);
    }
    EXPECT_GT(shots, 0);

    GameState far = arena();
    far.x = 6000.0f;
    placeShip(far, 0, 9, {0, 0, 0});  // 4000 away in the measure, 1 in 10 chance
    int farShots = 0;
    for (int frame = 0; frame < 200; ++frame) {
        enemyShips(far);
        far.raumschiff[0]->pos = {-1500, 0, 0};  // 5000 away: never fires
        for (auto& shot : far.schuss) {
            if (shot) ++farShots, shot.reset();
        }
    }
    EXPECT_LE(farShots, 1);  // only the first frame is in range

    // Within 1500 of the ship an attacker steers at a random point; the
    // distance shown is still its own to the ship.
    GameState close = arena();
    close.x = 1200.0f;
    placeShip(close, 0, 4, {0, 0, 0});
    close.nahfeind = 9999999.0f;
    enemyShips(close);
    EXPECT_FLOAT_EQ(close.nahfeind, 800.0f);
    EXPECT_NE(close.raumschiff[0]->target, D3DVECTOR(1200.0f, 0, 0));
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

