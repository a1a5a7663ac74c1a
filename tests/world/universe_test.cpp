#include <gtest/gtest.h>

#include <string>

#include "world/asteroid.h"
#include "support/test_world.h"

// Every value of the universe is pinned by the inspector's digest in
// tests/tools/inspector_test.cpp (a savegame stores only indices into it);
// here are the rules its tables keep.

namespace {

int moonCount(const Stern& s, int p) {
    int n = 0;
    while (n + 1 < kKoerperSpalten && s.planet(p, n + 1) != 0) ++n;
    return n;
}

}  // namespace

TEST(Generator, FollowsTheClassicSequence) {
    Random rng;
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724};
    for (int value : expected) EXPECT_EQ(rng.rand(), value);
    rng.srand(201);
    const int first = rng.rand();
    rng.srand(201);
    EXPECT_EQ(rng.rand(), first);
}

TEST(Universe, BodyTablesHoldTheirInvariants) {
    const GameState& w = sharedWorld();
    for (int i = 1; i < kSternAnzahl; ++i) {
        const Stern& s = w.stern[i];
        SCOPED_TRACE(std::string(s.name) + " #" + std::to_string(i));
        const int h = s.planeten / 2;
        EXPECT_NE(s.planet(0, 0), 0);
        EXPECT_NE(s.planet(s.planeten, 0), 0);
        for (int p = 0; p < kPlanetZeilen; ++p) {
            const int moons = moonCount(s, p);
            for (int m = 0; m < kKoerperSpalten; ++m) {
                const int code = s.planet(p, m);
                if (p > s.planeten || m > moons) {
                    EXPECT_EQ(code, 0) << "p " << p << " m " << m;
                    continue;
                }
                // Mining asteroids lie exactly beyond the middle planet.
                EXPECT_EQ(code >= kBergbauMarke, p > h) << "p " << p << " m " << m;
                const int look = code & 15;
                if (m == 0) {
                    EXPECT_TRUE(p < h ? (look >= 1 && look <= 6) || look == 12 : look >= 7)
                        << "p " << p << " code " << code;
                } else {
                    EXPECT_TRUE(look >= 1 && look <= (p < h ? 4 : 9)) << "p " << p << " m " << m;
                }
            }
            if (p < h) {
                EXPECT_LE(moons, 1) << "inner planet " << p;
            }
            EXPECT_LE(moons, 8) << "planet " << p;
        }
        const int population = bevoelkerung(s);
        EXPECT_EQ(population % s.planeten, 0);
        EXPECT_GE(population / s.planeten, 1);
        EXPECT_LE(population / s.planeten, 10);
        EXPECT_LT(wirtschaft(s), 4);
    }
    // Outside the table every body reads as none.
    const Stern& sirius = w.stern[266];
    EXPECT_NE(sirius.planet(24, 0), 0);
    EXPECT_EQ(sirius.planet(25, 0), 0);
    EXPECT_EQ(sirius.planet(0, 10), 0);
    EXPECT_EQ(sirius.planet(-1, 0), 0);
}

TEST(Asteroid, ThirteenDrawsWithSpinInRange) {
    Random rng;
    bool spins = false;
    for (int i = 0; i < 5000; ++i) {
        const std::uint64_t before = rng.draws();
        const Asteroid a(rng);
        EXPECT_EQ(rng.draws() - before, 13u);
        for (float spin : {a.rotationX, a.rotationY, a.rotationZ}) {
            EXPECT_GE(spin, -0.005f);
            EXPECT_LE(spin, 0.0041f);
            spins = spins || spin != 0.0f;
        }
        EXPECT_GE(a.scale, 20.0f);
        EXPECT_LE(a.scale, 119.0f);
        EXPECT_GE(a.textur, 1);
        EXPECT_LE(a.textur, 4);
        EXPECT_EQ(a.ang.x, static_cast<float>(static_cast<int>(a.ang.x)));
    }
    EXPECT_TRUE(spins) << "asteroids must spin";
}
