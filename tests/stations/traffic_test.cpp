#include <gtest/gtest.h>

#include "stations/docking.h"
#include "stations/traffic.h"
#include "support/test_world.h"

namespace {

constexpr std::uint16_t kZiel = 44;

// Docked at a traffic station of system kZiel, in its first frame.
GameState amVerkehr() {
    GameState s = freshWorld();
    s.sternenpos = kZiel;
    s.render = 2;
    s.nStation = kVerkehrsstation;
    s.station[kVerkehrsstation] = Station{};
    s.station[kVerkehrsstation]->typ = kVerkehrsstation;
    s.passagiere = 3;
    s.pziel = 100;
    return s;
}

// One docked frame: its rules, then the leave handling.
void frame(GameState& s) {
    QuietServices q;
    dockedStep(s, q);
    leaveStation(s);
}

}  // namespace

TEST(Traffic, EveryKindPaysItsFareOnArrivalExceptTheCriminals) {
    constexpr std::int32_t kFare[] = {50, 75, 100, 150, 325, 750, 0, 2500, 5000, 10000};
    for (std::uint16_t art = 0; art < kPassagierarten; ++art) {
        SCOPED_TRACE(art);
        GameState s = amVerkehr();
        s.passagiertyp = art;
        s.passagierziel = kZiel;
        s.geld = 100;
        frame(s);
        EXPECT_TRUE(s.passagierevonbord);
        EXPECT_EQ(s.picture.einnahmenGezeigt, fahrpreis(art));  // what the arrival shows
        EXPECT_EQ(s.render, 2);
        s.shift = 1;
        frame(s);
        EXPECT_EQ(s.render, 0);
        EXPECT_EQ(s.geld, 100 + kFare[art]);
        EXPECT_FALSE(s.passagierevonbord);
        EXPECT_EQ(s.passagiertyp, kKeinePassagiere);  // the offer was not taken
    }
    EXPECT_EQ(fahrpreis(6), 1250);
    EXPECT_EQ(fahrpreis(999), 0);
}

TEST(Traffic, StoriesChangeAGovernmentAndClearTheLowestEconomyBit) {
    struct Geschichte { std::uint16_t art; int system; std::uint16_t nachher; };
    // 0x123F: government 7, economy 7, population 0x12.
    const Geschichte kGeschichten[] = {
        {kGreis, kAldebaran, 0x1237}, {kPrinzessin, kZiel, 0x1230}, {kVolksbefreier, kZiel, 0x1231}};
    for (const Geschichte& g : kGeschichten) {
        SCOPED_TRACE(g.art);
        GameState s = amVerkehr();
        s.stern[static_cast<std::size_t>(g.system)].eigenschaften = 0x123F;
        s.passagiertyp = g.art;
        s.passagierziel = kZiel;
        frame(s);
        EXPECT_EQ(s.stern[static_cast<std::size_t>(g.system)].eigenschaften, g.nachher);
        frame(s);  // shown again: no further change
        EXPECT_EQ(s.stern[static_cast<std::size_t>(g.system)].eigenschaften, g.nachher);
    }
}

TEST(Traffic, ReturnTakesTheOfferOrPutsOffPassengersWhoHaveNotArrived) {
    // Not arrived: Return throws them out unpaid; Shift keeps them aboard.
    GameState s = amVerkehr();
    s.passagiertyp = 5;
    s.passagierziel = 7;
    s.shift = 1;
    frame(s);
    EXPECT_EQ(s.passagiertyp, 5);
    s.render = 2;
    s.shift = 0;
    s.enter = 1;
    frame(s);
    EXPECT_EQ(s.render, 0);
    EXPECT_EQ(s.passagiertyp, kKeinePassagiere);
    EXPECT_EQ(s.passagierziel, 0);
    EXPECT_EQ(s.geld, 100);

    // Arrived: Return pays and takes the new group in one step.
    s = amVerkehr();
    s.passagiertyp = 4;
    s.passagierziel = kZiel;
    s.mouseButtonLeft = 1;
    s.feuer = 1;
    frame(s);
    EXPECT_EQ(s.geld, 100 + 325);
    EXPECT_EQ(s.passagiertyp, 3);
    EXPECT_EQ(s.passagierziel, 100);
    EXPECT_FALSE(s.passagierevonbord);
    EXPECT_EQ(s.feuer, 0);  // the click does not fire on leaving

    // Shift and Return together: paid once, then the offer taken; one leave.
    s = amVerkehr();
    s.passagiertyp = 2;
    s.passagierziel = kZiel;
    s.shift = s.enter = 1;
    frame(s);
    EXPECT_EQ(s.geld, 200);
    EXPECT_EQ(s.passagiertyp, 3);
    EXPECT_EQ(s.render, 0);
}

TEST(Traffic, TheOldManIsAlwaysBoundForAldebaran) {
    GameState s = amVerkehr();
    s.passagiere = kGreis;
    s.pziel = 12;
    s.enter = 1;
    frame(s);
    EXPECT_EQ(s.passagiertyp, kGreis);
    EXPECT_EQ(s.passagierziel, kAldebaran);

    // Not while a group that has not arrived hides the offer.
    s = amVerkehr();
    s.passagiere = kGreis;
    s.pziel = 12;
    s.passagiertyp = 1;
    s.passagierziel = 3;
    frame(s);
    EXPECT_EQ(s.pziel, 12);
}
