#include <gtest/gtest.h>

#include "flight/weapons.h"
#include "support/arena.h"
#include "world/ship_types.h"

// Each charger level adds to its counter every frame; past the threshold
// (90 for energy, 120 for the shield) one unit comes, up to seven units per
// storage level.
TEST(Weapons, RechargeByChargerLevelUpToSevenUnitsPerStorageLevel) {
    using Field = std::uint16_t GameState::*;
    struct Store {
        Field units, lader, speicher;
        int firstFrame;  // of a unit at charger level 1
    };
    const Store kStores[] = {{&GameState::energie, &GameState::energielader, &GameState::energiespeicher, 91},
                             {&GameState::schild, &GameState::schildlader, &GameState::schildspeicher, 121}};
    for (const Store& store : kStores) {
        SCOPED_TRACE(store.firstFrame);
        GameState s = arena();
        s.energie = s.schild = 0;
        int frames = 0;
        for (; s.*store.units == 0; ++frames) recharge(s);
        EXPECT_EQ(frames, store.firstFrame);
        s.*store.lader = 10;
        s.*store.speicher = 4;
        s.*store.units = 26;
        for (int i = 0; i < 1000; ++i) recharge(s);
        EXPECT_EQ(s.*store.units, 28);  // the cap of storage level 4
    }
}

TEST(Weapons, CannonFiresEvery11_6_4_3FramesForOneUnitEach) {
    const int intervals[] = {11, 6, 4, 3};
    for (int kanone = 1; kanone <= 4; ++kanone) {
        GameState s = arena();
        QuietServices quiet;
        s.kanone = static_cast<std::uint16_t>(kanone);
        s.energie = 20;
        s.energielader = 0;
        s.feuer = 1;
        std::vector<int> shotFrames;
        for (int frame = 1; frame <= 30; ++frame) {
            recharge(s);
            const int before = s.energie;
            fireCannon(s, quiet);
            if (s.energie != before) shotFrames.push_back(frame);
        }
        ASSERT_GE(shotFrames.size(), 2u) << kanone;
        EXPECT_EQ(shotFrames[0], intervals[kanone - 1]) << kanone;
        EXPECT_EQ(shotFrames[1] - shotFrames[0], intervals[kanone - 1]) << kanone;
        EXPECT_EQ(s.energie, 20 - static_cast<int>(shotFrames.size()));
        ASSERT_TRUE(s.schuss[0]);
        EXPECT_EQ(s.schuss[0]->life, 100.0f * kanone);
        EXPECT_EQ(quiet.sounds.front(), 2);
    }
}

TEST(Weapons, AShotLeavesAlongTheViewAndAFullTableSpendsNothing) {
    GameState s = arena();
    QuietServices quiet;
    s.speed = 30.0f;
    s.backsight = -1;
    s.feuer = 1;
    s.feuerzaehler = 11;
    fireCannon(s, quiet);
    ASSERT_TRUE(s.schuss[0]);
    EXPECT_EQ(s.schuss[0]->pos, D3DVECTOR(-50, 0, 0));
    EXPECT_EQ(s.schuss[0]->velocity, D3DVECTOR(30 - 200, 0, 0));  // the ship's own speed stays in it
    EXPECT_EQ(s.blitz, 1);

    for (int slot = 0; slot < kSchussFeuerSlots; ++slot) s.schuss[slot].emplace();
    s.feuerzaehler = 11;
    const auto energie = s.energie;
    fireCannon(s, quiet);
    EXPECT_EQ(s.energie, energie);
    EXPECT_EQ(s.feuerzaehler, 11);
    EXPECT_FALSE(s.schuss[kSchussFeuerSlots]);

    s.schuss[5].reset();
    s.energie = 0;
    fireCannon(s, quiet);
    EXPECT_FALSE(s.schuss[5]);  // no energy, no shot
}

// The giga bomb destroys every attacker without loot, in combat only
// (the fight at the Moon pins one; out of combat nothing is spent).
TEST(Weapons, GigaBombOnlyInCombatAndWithoutLoot) {
    GameState s = arena();
    QuietServices quiet;
    placeShip(s, 3, kAnfuehrer, {5000, 0, 0});
    placeShip(s, 4, kFrachter, {6000, 0, 0});
    s.gigabomben = s.gigabombKey = 1;
    fireGigaBomb(s, quiet);
    EXPECT_EQ(s.gigabomben, 1);
    s.kampf = 1;
    const auto geld = s.geld;
    fireGigaBomb(s, quiet);
    EXPECT_EQ(std::tuple(s.gigabomben, s.raumschiff[3]->typ, s.raumschiff[4]->typ), std::tuple(0, 20, kFrachter));
    EXPECT_EQ(std::tuple(s.geld, s.beutezaehler), std::tuple(geld, 0));
}

TEST(Weapons, DecoyOnlyWhileAnEnemyMissileFlies) {
    GameState s = arena();
    s.kampf = 1;
    s.ecm = 2;
    s.ecmKey = 1;
    s.speed = 10.0f;
    s.rakete[kSpielerRakete].emplace();
    launchDecoy(s);
    EXPECT_FALSE(s.dummy);  // the player's own missile does not count
    EXPECT_EQ(s.ecm, 2);

    s.rakete[2].emplace();
    launchDecoy(s);
    ASSERT_TRUE(s.dummy);
    EXPECT_EQ(s.dummy->pos, D3DVECTOR(-1000, 0, 0));  // behind a ship flying forward
    EXPECT_EQ(s.dummy->ang, D3DVECTOR(0, 0, 9000));
    launchDecoy(s);
    EXPECT_EQ(s.ecm, 1);  // one at a time

    s.dummy.reset();
    s.speed = 0.0f;
    launchDecoy(s);
    EXPECT_EQ(s.dummy->pos, D3DVECTOR(1000, 0, 0));
}

TEST(Weapons, AMissileLeavesOnlyWithAFreeLauncherAndAnAttackerToHunt) {
    GameState s = arena();
    s.kampf = 1;
    s.lenkraketen = 3;
    s.missileKey = 1;
    launchMissile(s);
    EXPECT_EQ(s.missileKey, 0);
    EXPECT_FALSE(s.rakete[kSpielerRakete]);
    EXPECT_EQ(s.lenkraketen, 3);  // nothing attacks: it stays aboard

    placeShip(s, 2, 8, {});
    placeShip(s, 9, 4, {});
    placeShip(s, 12, 1, {});
    s.missileKey = 1;
    launchMissile(s);
    ASSERT_TRUE(s.rakete[kSpielerRakete]);
    EXPECT_EQ(s.rakete[kSpielerRakete]->targetIndex, 9);  // the highest attacking slot
    EXPECT_EQ(s.rakete[kSpielerRakete]->ang, s.blickrichtung);
    EXPECT_EQ(s.lenkraketen, 2);

    s.missileKey = 1;
    launchMissile(s);
    EXPECT_EQ(s.lenkraketen, 2);  // the launcher is busy
}

TEST(Weapons, ShieldBelowZeroStaysBrokenHoweverHardTheHits) {
    GameState s = arena();
    s.schild = 1;
    damageShield(s, 1);
    EXPECT_EQ(s.schild, 0);
    EXPECT_FALSE(shieldBroken(s));  // a shield of 0 still flies
    damageShield(s, 1);
    EXPECT_TRUE(shieldBroken(s));
    s.schild = 3;
    for (int i = 0; i < 8; ++i) damageShield(s, 6);  // 48 units in one frame
    EXPECT_TRUE(shieldBroken(s));
}
