#include <gtest/gtest.h>

#include <map>
#include <string>

#include "world/asteroid.h"
#include "support/test_world.h"
#include "world/star_catalogue.h"
#include "world/universe.h"

namespace {

struct TellingRow {
    int index;
    const char* name;
    const char* typ;
    const char* besond;
    const char* sternbld;
    float groesse;
    int planeten;
    float dekl;
    float rekt;  // as catalogued
};

constexpr TellingRow kTellingRows[] = {
    {0, "Sol", "Normal", "keine", "keines", 1.0f, 8, 3.0f, 11.5f},
    {1, "Polaris", "Weisser Riese", "keine", "Kleiner Baer", 300.0f, 23, 89.5f, 12.0f},
    {3, "Epsilon Ursae Minoris", "Brauner Zwerg", "keine", "Kleiner Baer", 0.2f, 3, 81.0f, 16.8f},
    {7, "Kochab", "Roter Riese", "keine", "Kleiner Baer", 600.0f, 23, 73.5f, 14.95f},
    {20, "Kuma", "normal", "Doppelstern", "Drache", 3.0f, 14, 55.0f, 17.55f},
    {43, "Cih", "Blauer Riese", "Veraenderlicher", "Cassiopeia", 350.0f, 13, 60.0f, 1.0f},
    {208, "Aldebaran", "Roter Riese", "keine", "Stier", 40.0f, 17, 16.0f, 4.6f},
    {266, "Sirius", "Weisser Riese", "Doppelstern", "Grosser Hund", 1200.0f, 24, -16.5f, 6.75f},
    {470, "Toliman", "Weisser Riese", "Doppelstern", "Zentaur", 600.0f, 13, -61.5f, 14.75f},
    {544, "Theta Octantis", "Roter Zwerg", "keine", "Oktant", 0.7f, 8, -77.0f, 0.0f},
};

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

TEST(Universe, TellingRowsHold) {
    const GameState& w = sharedWorld();
    ASSERT_EQ(w.stern.size(), 545u);
    for (const TellingRow& row : kTellingRows) {
        const Stern& s = w.stern[row.index];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(s.name, row.name);
        EXPECT_EQ(eintrag(text(s.typ)).deutsch, row.typ);
        EXPECT_EQ(besonderheitName(s.besond), row.besond);
        EXPECT_EQ(eintrag(text(s.sternbld)).deutsch, row.sternbld);
        EXPECT_FLOAT_EQ(s.groesse, row.groesse);
        EXPECT_EQ(s.planeten, row.planeten);
        EXPECT_FLOAT_EQ(s.dekl, row.dekl);
        EXPECT_FLOAT_EQ(s.rekt, 24.0f - row.rekt);
    }
    EXPECT_EQ(w.stern[9].name, w.stern[21].name);
    EXPECT_EQ(w.stern[9].name, "Alwaid");
}

TEST(Universe, CatalogueVocabularies) {
    std::map<std::string, int> typen;
    std::map<std::string, int> bilder;
    for (int i = 0; i < kSternAnzahl; ++i) {
        const CatalogueEntry& e = kKatalog[i];
        ++typen[std::string(eintrag(text(e.typ)).deutsch)];
        ++bilder[std::string(eintrag(text(e.sternbld)).deutsch)];
        EXPECT_GE(e.planeten, 2) << i;
        EXPECT_LE(e.planeten, 24) << i;
        EXPECT_GE(e.dekl, -90.0f) << i;
        EXPECT_LE(e.dekl, 90.0f) << i;
        EXPECT_GE(e.rekt, 0.0f) << i;
        EXPECT_LT(e.rekt, 24.0f) << i;
        EXPECT_GE(e.groesse, 0.1f) << i;
        EXPECT_LE(e.groesse, 1300.0f) << i;
    }
    const std::map<std::string, int> expected{
        {"Normal", 285}, {"Roter Zwerg", 113}, {"Blauer Riese", 55}, {"Roter Riese", 54},
        {"Weisser Riese", 34}, {"Brauner Zwerg", 2}, {"normal", 2}};
    EXPECT_EQ(typen, expected);
    EXPECT_EQ(bilder.size(), 64u);
    EXPECT_EQ(bilder["keines"], 1);
    EXPECT_EQ(bilder["Cassiopaia"], 1);
    EXPECT_EQ(eintrag(text(kKatalog[41].sternbld)).deutsch, "Cassiopaia");
    EXPECT_EQ(eintrag(text(kKatalog[48].typ)).deutsch, "normal");
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

TEST(Universe, SolIsTheRealSolarSystemAndAldebaranADespotism) {
    const GameState& w = sharedWorld();
    const Stern& sol = w.stern[kSol];
    EXPECT_EQ(eintrag(regierungText(regierung(sol))).deutsch, " Demokratie");
    EXPECT_EQ(eintrag(wirtschaftText(wirtschaft(sol))).deutsch, " Normal");
    EXPECT_EQ(bevoelkerung(sol), 253);
    EXPECT_EQ(sol.planeten, 8);

    const int expectedMoons[] = {0, 0, 1, 2, 4, 8, 5, 3, 1};
    const int planetCodes[] = {12, 3, 1, 5, 23, 24, 26, 27, 29};
    for (int p = 0; p <= 8; ++p) {
        EXPECT_EQ(sol.planet(p, 0), planetCodes[p]) << p;
        EXPECT_EQ(moonCount(sol, p), expectedMoons[p]) << p;
    }
    for (int p = 9; p < kPlanetZeilen; ++p) EXPECT_EQ(sol.planet(p, 0), 0) << p;
    EXPECT_EQ(sol.planet(2, 1), 1);   // the Moon, not minable
    EXPECT_EQ(sol.planet(5, 6), 23);  // Titan
    EXPECT_EQ(sol.planet(8, 1), 20);  // Charon
    for (int m : {1, 2, 3, 4, 5, 7, 8}) {
        EXPECT_GE(sol.planet(5, m), 17) << m;
        EXPECT_LE(sol.planet(5, m), 20) << m;
    }

    EXPECT_EQ(regierung(w.stern[kAldebaran]), 3);
    EXPECT_EQ(eintrag(regierungText(regierung(w.stern[kAldebaran]))).deutsch, " Despotismus");
}

TEST(Universe, BuiltFromTheUnseededGeneratorAfterTheAsteroids) {
    // Only the 65 000 draws of the asteroid records come before the build.
    GameState a, same;
    QuietServices quiet(5);
    createWorld(a, quiet);
    for (int i = 0; i < 65000; ++i) same.rng.rand();
    buildUniverse(same);
    for (int i = 0; i < kSternAnzahl; ++i) {
        EXPECT_EQ(a.stern[i].eigenschaften, same.stern[i].eigenschaften) << i;
        for (int p = 0; p < kPlanetZeilen; ++p) {
            for (int m = 0; m < kKoerperSpalten; ++m) {
                EXPECT_EQ(a.stern[i].planet(p, m), same.stern[i].planet(p, m));
            }
        }
    }
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
