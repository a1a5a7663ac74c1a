#include <gtest/gtest.h>

#include <numbers>

#include "stations/docking.h"

namespace {

GameState angedockt(int typ) {
    GameState s;
    s.render = 2;
    s.nStation = typ;
    s.station[static_cast<std::size_t>(typ)] = Station{};
    s.station[static_cast<std::size_t>(typ)]->typ = typ;
    s.station[static_cast<std::size_t>(typ)]->pos = {10, 20, 30};
    s.station[static_cast<std::size_t>(typ)]->scale = 100;
    s.blickrichtung = {0, 0, 1};
    s.speed = 7;
    return s;
}

}  // namespace

TEST(DockedFrame, AFrameAtNoStationGoesBackToFlight) {
    QuietServices q;
    for (int n : {-1, 4, 1000}) {
        GameState s = angedockt(0);
        s.nStation = n;
        dockedStep(s, q);
        EXPECT_EQ(s.render, 0) << n;
        EXPECT_EQ(s.speed, 0.0f);
    }
    GameState s = angedockt(0);
    s.nStation = 2;  // an empty slot
    dockedStep(s, q);
    EXPECT_EQ(s.render, 0);
}

TEST(DockedFrame, TheModelTurnsAndTheIncomeIsOfOneFrameOnly) {
    QuietServices q;
    GameState s = angedockt(1);
    s.einnahmen = 500;
    s.stationsrotation = 2.0f * std::numbers::pi_v<float> - 0.01f;
    dockedStep(s, q);
    EXPECT_EQ(s.stationsrotation, 0.0f);
    EXPECT_EQ(s.einnahmen, 0);
    dockedStep(s, q);
    EXPECT_FLOAT_EQ(s.stationsrotation, 0.02f);
}

TEST(DockedFrame, ShiftLeavesEveryStationReturnOnlyTheTrafficStation) {
    for (int typ = 0; typ < kStationSlots; ++typ) {
        SCOPED_TRACE(typ);
        GameState s = angedockt(typ);
        s.enter = 1;
        s.mouseButtonLeft = 1;
        leaveStation(s);
        EXPECT_EQ(s.render, typ == kVerkehrsstation ? 0 : 2);

        s = angedockt(typ);
        s.mouseButtonRight = 1;
        leaveStation(s);
        EXPECT_EQ(s.render, 0);
        EXPECT_EQ(s.speed, 0.0f);
        // In front of the station, outside its docking range.
        EXPECT_EQ(D3DVECTOR(s.x, s.y, s.z), D3DVECTOR(10, 20, 30 + 1800));
    }
}
