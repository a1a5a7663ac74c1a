#include <gtest/gtest.h>

#include "world/enemy_ship.h"

// Each type's values are pinned with the ships of the locations in
// tests/tools/pins_test.cpp; here is what every new ship shares.

// A new ship takes six draws, the first three its place in the field;
// numbers outside the table read as type 1, and no wreck is a pirate.
TEST(ShipTypes, EveryTypeTakesSixDrawsAndPlacesItselfByTheFirstThree) {
    for (int typ = 1; typ <= kSchiffstypen; ++typ) {
        SCOPED_TRACE(typ);
        Random rng;
        rng.srand(static_cast<std::uint32_t>(typ) * 977u);
        Random expected = rng;
        const EnemyShip ship(typ, rng);
        EXPECT_EQ(rng.draws() - expected.draws(), 6u);
        const float x = static_cast<float>(expected.rand() % 30000 * 2 - 30000);
        const float y = static_cast<float>(expected.rand() % 30000 * 2 - 30000);
        const float z = static_cast<float>(expected.rand() % 30000 * 2 - 30000);
        EXPECT_EQ(ship.pos, D3DVECTOR(x, y, z));
        EXPECT_EQ(ship.typ, typ);
        EXPECT_EQ(ship.attacking, isPirateType(typ));
    }
    EXPECT_EQ(&shipType(0), &shipType(1));
    EXPECT_EQ(&shipType(kSchiffstypen + 1), &shipType(1));
    for (int typ : {0, 20, 21, 100}) EXPECT_FALSE(isPirateType(typ)) << typ;
}
