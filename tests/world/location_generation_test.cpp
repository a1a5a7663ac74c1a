#include <gtest/gtest.h>

#include <vector>

#include "inspector/world_json.h"
#include "support/test_world.h"
#include "world/goods.h"
#include "world/location_generation.h"
#include "world/passengers.h"

namespace {

std::vector<int> pirates(const GameState& s) {
    std::vector<int> types;
    for (const auto& ship : s.raumschiff) {
        if (ship && isPirateType(ship->typ)) types.push_back(ship->typ);
    }
    return types;
}

// The first system at war after Sol.
int systemAtWar(const GameState& s) {
    int system = 1;
    while (regierung(s.stern[system]) != 0) ++system;
    return system;
}

int shipCount(const GameState& s) {
    int n = 0;
    for (const auto& ship : s.raumschiff) n += ship.has_value();
    return n;
}

std::vector<int> shipTypes(const GameState& s) {
    std::vector<int> types;
    for (const auto& ship : s.raumschiff) types.push_back(ship ? ship->typ : 0);
    return types;
}

// A location's output split at its ships: the scenery before, the traffic,
// market and offers after.
std::pair<std::string, std::string> sceneryAndTraffic(const GameState& s) {
    JsonWriter json;
    writeLocation(json, s, 0);
    const std::string all = json.str();
    const auto ships = all.find("\"ships\"");
    return {all.substr(0, ships), all.substr(ships)};
}

}  // namespace

TEST(LocationGeneration, SameSceneryDifferentTrafficOnEveryArrival) {
    GameState s = freshWorld();
    // A minable outer moon of a system at war: scenery with a mining
    // asteroid, and pirates likely.
    int system = -1, planet = 0;
    for (int i = 1; i < kSternAnzahl && system < 0; ++i) {
        const Stern& st = s.stern[i];
        if (regierung(st) == 0 && st.planet(st.planeten, 1) != 0) {
            system = i;
            planet = st.planeten;
        }
    }
    ASSERT_GE(system, 0);

    arrive(s, system, planet, 1, 111);
    const auto first = sceneryAndTraffic(s);
    EXPECT_TRUE(s.bergasteroid.has_value());
    int changed = 0;
    for (std::uint32_t clock : {2222u, 33333u, 444444u, 5555555u}) {
        arrive(s, system, planet, 1, clock);
        const auto next = sceneryAndTraffic(s);
        EXPECT_EQ(next.first, first.first) << "clock " << clock;
        changed += next.second != first.second;
    }
    EXPECT_GE(changed, 3);
    arrive(s, system, planet, 1, 111);  // the same clock gives the same arrival
    EXPECT_EQ(sceneryAndTraffic(s), first);
}

TEST(LocationGeneration, EarthIsSafeAndSolsMoonHasACombatStation) {
    GameState s = freshWorld();
    // The most tempting cargo and passengers cannot draw pirates to Earth.
    s.kanone = 4, s.panzerld = 1, s.uranld = 1, s.passagiertyp = 9;
    for (std::uint32_t clock = 0; clock < 300; ++clock) {
        arrive(s, 0, 2, 0, clock * 7919u);
        ASSERT_TRUE(s.station[kHandelsstation]);
        ASSERT_TRUE(s.station[kVerkehrsstation]);
        ASSERT_TRUE(pirates(s).empty()) << "clock " << clock;
    }
    // The Moon's combat station does not depend on the draw.
    arrive(s, 0, 2, 1, 0);
    EXPECT_TRUE(s.station[kKampfstation]);
}

TEST(LocationGeneration, MissionSquadronFollowsTheShipEvenToEarth) {
    GameState s = freshWorld();
    s.aufgabePlanet = 3;
    s.aufgabeMond = 1;
    arrive(s, 0, 2, 0, 77);
    EXPECT_FALSE(pirates(s).empty());
    // A target in column 0 is shown but brings no squadron.
    s.aufgabePlanet = 0;
    arrive(s, 0, 2, 0, 77);
    EXPECT_TRUE(pirates(s).empty());
}

TEST(LocationGeneration, FullShipTableTakesNoMoreShipsAndMakesNoDraws) {
    GameState s = freshWorld();
    for (int i = 0; i < kRaumschiffSlots; ++i) addShip(s, 1 + i % kSchiffstypen);
    ASSERT_EQ(shipCount(s), kRaumschiffSlots);
    const auto before = shipTypes(s);
    const auto draws = s.rng.draws();
    addShip(s, 9);
    EXPECT_EQ(s.rng.draws(), draws);
    EXPECT_EQ(shipTypes(s), before);

    // An emptied slot is the next one filled, with six draws.
    s.raumschiff[17].reset();
    addShip(s, 9);
    EXPECT_EQ(s.rng.draws(), draws + 6);
    EXPECT_EQ(s.raumschiff[17]->typ, 9);
}

// Weapons aboard bring one more pirate for each row of the group that is
// drawn and names one. A run with the same danger from a princess aboard
// instead draws the same up to the first row drawn: where it brings the
// leader and the first row's fighter, the weapons bring a second fighter;
// where the leader and the second row's leader, a missile fighter.
TEST(LocationGeneration, WeaponsAboardBringOneMorePirateForEachRowThatNamesOne) {
    GameState weapons = freshWorld(), princess = freshWorld();  // ranking 8: only the rows for every ranking
    weapons.kanonenld = 1;
    princess.passagiertyp = kPrinzessin;  // as much danger as the weapons
    const int system = systemAtWar(weapons);
    const int planet = weapons.stern[system].planeten;
    const std::vector<int> kRows[][2] = {{{kAnfuehrer, kJaeger}, {kAnfuehrer, kJaeger, kJaeger}},
                                         {{kAnfuehrer, kAnfuehrer}, {kAnfuehrer, kAnfuehrer, kRaketenjaeger}}};
    int seen[2] = {};
    for (std::uint32_t clock = 0; clock < 3000; ++clock) {
        arrive(weapons, system, planet, 0, clock);
        arrive(princess, system, planet, 0, clock);
        for (int row = 0; row < 2; ++row) {
            if (pirates(princess) != kRows[row][0]) continue;
            ++seen[row];
            const std::vector<int> with = pirates(weapons);
            EXPECT_EQ(std::vector<int>(with.begin(), with.begin() + std::min<std::size_t>(with.size(), 3)), kRows[row][1])
                << "clock " << clock;
        }
    }
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
}
