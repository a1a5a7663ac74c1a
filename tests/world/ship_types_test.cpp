#include <gtest/gtest.h>

#include "world/enemy_ship.h"

namespace {

struct Row {
    int hitPoints;
    float scale, speed, turnRate;
    int fireInterval;
    bool attacking;
    D3DVECTOR target, form;
};

constexpr D3DVECTOR kAhead{0, 20, 10020};

// What a new ship of each type is, by type 1..12.
constexpr Row kRows[kSchiffstypen] = {
    {5, 180, 20, 1.0f, 3, false, {0, 2000, 0}, {0.7f, 1, 0.2f}},
    {6, 250, 25, 1.5f, 4, false, kAhead, {0.3f, 1, 0.3f}},
    {4, 180, 30, 1.5f, 3, false, {1000, 10000, 1000}, {0.2f, 1, 0.7f}},
    {4, 180, 50, 3.0f, 3, true, kAhead, {0.2f, 1, 1}},
    {8, 300, 20, 1.0f, 2, false, kAhead, {0.3f, 1, 0.3f}},
    {5, 180, 50, 3.5f, 2, true, kAhead, {0.5f, 1, 0.2f}},
    {6, 300, 50, 2.5f, 2, false, kAhead, {1, 0.5f, 0.2f}},
    {1, 180, 50, 3.0f, 4, true, kAhead, {1, 0.5f, 0.2f}},
    {10, 400, 20, 1.0f, 1, true, kAhead, {1, 0.2f, 1}},
    {6, 100, 60, 4.0f, 3, true, kAhead, {1, 1, 0.3f}},
    {3, 250, 50, 1.0f, 4, false, kAhead, {0.5f, 1, 0.2f}},
    {2, 180, 40, 2.5f, 4, false, kAhead, {1, 1, 0.3f}},
};

}  // namespace

TEST(ShipTypes, EachTypeStartsWithItsOwnValuesAfterSixDraws) {
    for (int typ = 1; typ <= kSchiffstypen; ++typ) {
        SCOPED_TRACE(typ);
        const Row& row = kRows[typ - 1];
        Random rng;
        rng.srand(static_cast<std::uint32_t>(typ) * 977u);
        Random expected = rng;
        const EnemyShip ship(typ, rng);
        EXPECT_EQ(rng.draws() - expected.draws(), 6u);
        const float x = static_cast<float>(expected.rand() % 30000 * 2 - 30000);
        const float y = static_cast<float>(expected.rand() % 30000 * 2 - 30000);
        const float z = static_cast<float>(expected.rand() % 30000 * 2 - 30000);
        EXPECT_EQ(ship.pos, D3DVECTOR(x, y, z));
        EXPECT_EQ(ship.ang, D3DVECTOR());
        EXPECT_EQ(ship.typ, typ);
        EXPECT_EQ(ship.hitPoints, row.hitPoints);
        EXPECT_EQ(ship.scale, row.scale);
        EXPECT_EQ(ship.speed, row.speed);
        EXPECT_EQ(ship.turnRate, row.turnRate);
        EXPECT_EQ(ship.fireInterval, row.fireInterval);
        EXPECT_EQ(ship.attacking, row.attacking);
        EXPECT_EQ(isPirateType(typ), row.attacking);
        EXPECT_EQ(ship.target, row.target);
        EXPECT_EQ(shipType(typ).form, row.form);
        EXPECT_EQ(std::string(shipType(typ).mesh), "Raumschiff" + std::to_string(typ) + ".X");
    }
    EXPECT_FALSE(isPirateType(0));
    EXPECT_FALSE(isPirateType(21));  // a wreck attacks no one
}
