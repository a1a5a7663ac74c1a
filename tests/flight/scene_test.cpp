#include <gtest/gtest.h>

#include "flight/scene.h"
#include "support/test_world.h"

TEST(Scene, VisibleIsStrictlyInsideTheSightCube) {
    GameState s = freshWorld();
    s.picture.eye.x = 100.0f;
    s.SIGHT = 10000.0f;
    EXPECT_TRUE(Visible(s, {10099.0f, 0, 0}));
    EXPECT_FALSE(Visible(s, {10100.0f, 0, 0}));
    EXPECT_FALSE(Visible(s, {0, -10000.0f, 0}));

    // Outside the field the view is measured from its edge.
    s.picture.eye.x = 50000.0f;
    s.ausserhalb = true;
    EXPECT_TRUE(Visible(s, {30000.0f, 0, 0}));
    EXPECT_FALSE(Visible(s, {43000.0f, 0, 0}));
}
