#include <gtest/gtest.h>

#include <cmath>

#include "flight/enemy_ships.h"
#include "world/asteroid.h"
#include "support/arena.h"

namespace {

// One enemy step of a single ship, in slot 0, heading +y (angles 0); the
// draws it made.
int drawsOfOneStep(GameState& s) {
    const auto before = s.rng.draws();
    enemyShips(s);
    return static_cast<int>(s.rng.draws() - before);
}

}  // namespace

TEST(EnemyShips, DrawsPerFrameFollowTheHeadingToTheAimPoint) {
    struct Case {
        const char* what;
        int typ;
        bool attacking;
        D3DVECTOR target;
        int draws;
    };
    const Case cases[] = {
        {"aim straight ahead: only the turn back and the shot", 1, false, {0, 10000, 0}, 2},
        {"aim behind: only the turn toward it and the shot", 1, false, {0, -10000, 0}, 2},
        {"aim half-way aside: both turns and the shot", 1, false, {10000, 3000, 0}, 3},
        {"a missile carrier at peace draws no missile", 9, false, {0, 10000, 0}, 2},
        {"an attacking missile carrier draws for one", 9, true, {0, 10000, 0}, 3},
        {"a pirate without missiles", 8, true, {0, 10000, 0}, 2},
    };
    for (const Case& c : cases) {
        GameState s = arena();
        s.x = c.target.x;  // an attacker aims at the player
        s.y = c.target.y;
        s.z = c.target.z;
        EnemyShip& ship = placeShip(s, 0, c.typ, {0, 0, 0});
        ship.target = c.target;
        ship.attacking = c.attacking;
        EXPECT_EQ(drawsOfOneStep(s), c.draws) << c.what;
    }

    GameState near = arena();
    placeShip(near, 0, 1, {}).target = {0, 1000, 0};
    const int nearDraws = drawsOfOneStep(near);
    EXPECT_TRUE(nearDraws == 5 || nearDraws == 6) << "within 1500 of its aim point: three draws for a new one first";

    GameState s = arena();
    placeShip(s, 0, 4, {}).typ = 20;
    EXPECT_EQ(drawsOfOneStep(s), 0) << "a wreck";
    EXPECT_EQ(s.raumschiff[0]->typ, 21);
    EXPECT_FALSE(s.raumschiff[0]->attacking);
    EXPECT_EQ(s.raumschiff[0]->pos, D3DVECTOR(0, 25, 0));  // drifts up at half its speed
}

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

TEST(EnemyShips, WrecksExplodeForEightyFramesThenTheSlotEmpties) {
    GameState s = arena();
    placeShip(s, 3, 8, {}).typ = 20;
    for (int frame = 1; frame <= 80; ++frame) {
        enemyShips(s);
        ASSERT_TRUE(s.raumschiff[3]) << frame;
    }
    EXPECT_EQ(s.raumschiff[3]->typ, 100);
    enemyShips(s);
    EXPECT_FALSE(s.raumschiff[3]);
}
