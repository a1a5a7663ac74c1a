#include <gtest/gtest.h>

#include "flight/asteroids.h"
#include "support/arena.h"
#include "support/test_world.h"

namespace {

Asteroid rockAt(GameState& s, const D3DVECTOR& pos, float scale) {
    Asteroid a(s.rng);
    a.pos = pos;
    a.scale = scale;
    return a;
}

}  // namespace

TEST(Asteroids, TwoContactsInOneFrameBounceTwice) {
    GameState s = arena();
    QuietServices quiet;
    s.asteroid.push_back(rockAt(s, {100, 0, 0}, 100));   // 1 + 120 reaches 121
    s.asteroid.push_back(rockAt(s, {0, 110, 0}, 100));
    s.asteroid.push_back(rockAt(s, {0, 0, 130}, 100));  // out of reach
    s.speed = 50.0f;
    // Thrown back to where it started the frame, which still touches the
    // second rock.
    asteroidContacts(s, quiet, {0, 100, 0});
    EXPECT_FLOAT_EQ(s.speed, 50.0f * 0.04f);  // reversed twice: the same way, a 25th as fast
    EXPECT_EQ(s.y, 100.0f);
    EXPECT_EQ(quiet.sounds, (std::vector<int>{1, 1}));
}

TEST(Asteroids, MiningPaysOnceAndClearsTheMarkInTheUniverse) {
    // Saturn's moon Mimas is marked for mining.
    GameState s = freshWorld();
    arrive(s, 0, 5, 1, 1000);
    ASSERT_TRUE(s.bergasteroid);
    s.asteroid.clear();
    ASSERT_TRUE(s.stern[0].planet(5, 1) & kBergbauMarke);
    const D3DVECTOR rock = s.bergasteroid->pos;
    auto touch = [&] {
        QuietServices quiet;
        s.x = rock.x;
        s.y = rock.y;
        s.z = rock.z;
        s.bergbaumeldungz = 0;
        asteroidContacts(s, quiet, {rock.x - 5000, rock.y, rock.z});
        EXPECT_EQ(s.x, rock.x - 5000) << "bounced";
        EXPECT_EQ(s.bergbaumeldungz, 120);
        return quiet.sounds.back();
    };
    const auto geld = s.geld;
    EXPECT_EQ(touch(), 1);
    EXPECT_EQ(s.bergbaumeldung, 3);  // nothing to place
    EXPECT_TRUE(s.stern[0].planet(5, 1) & kBergbauMarke);

    s.beschleuniger = 2;
    EXPECT_EQ(touch(), 8);
    EXPECT_EQ(s.bergbaumeldung, 1);
    EXPECT_EQ(s.geld, geld + 250);
    EXPECT_EQ(s.beschleuniger, 1);
    EXPECT_FALSE(s.stern[0].planet(5, 1) & kBergbauMarke);

    EXPECT_EQ(touch(), 1);
    EXPECT_EQ(s.bergbaumeldung, 2);  // already placed: nothing paid
    EXPECT_EQ(s.geld, geld + 250);
    EXPECT_EQ(s.beschleuniger, 1);

    arrive(s, 0, 5, 1, 1000);
    EXPECT_FALSE(s.bergasteroid);  // not built again
}
