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

// Arrived passengers show their fare and pay it on leaving, the criminals
// excepted (arrested on arrival); the offer is not taken by Shift.
TEST(Traffic, EveryKindPaysItsFareOnArrivalExceptTheCriminals) {
    for (std::uint16_t art = 0; art < kPassagierarten; ++art) {
        SCOPED_TRACE(art);
        GameState s = amVerkehr();
        s.passagiertyp = art;
        s.passagierziel = kZiel;
        s.geld = 100;
        frame(s);
        EXPECT_TRUE(s.passagierevonbord);
        EXPECT_EQ(s.picture.einnahmenGezeigt, fahrpreis(art));
        EXPECT_EQ(s.render, 2);
        s.shift = 1;
        frame(s);
        EXPECT_EQ(s.render, 0);
        EXPECT_EQ(s.geld, 100 + (art == kVerbrecher ? 0 : fahrpreis(art)));
        EXPECT_FALSE(s.passagierevonbord);
        EXPECT_EQ(s.passagiertyp, kKeinePassagiere);
    }
    EXPECT_GT(fahrpreis(kVerbrecher), 0);
    EXPECT_EQ(fahrpreis(kPassagierarten), 0);
    EXPECT_EQ(fahrpreis(kKeinePassagiere), 0);
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

// Shift leaves with the passengers aboard; Return (or a click, which does
// not fire on leaving) puts off those who have not arrived, unpaid, or takes
// the offer after the arrived ones paid, once even with Shift held too.
TEST(Traffic, ReturnTakesTheOfferOrPutsOffPassengersWhoHaveNotArrived) {
    using Key = std::int32_t GameState::*;
    struct Case {
        const char* what;
        std::uint16_t typ, ziel;
        Key key, also;
        std::int32_t geld;
        std::uint16_t typNachher, zielNachher;
    };
    const Case kCases[] = {
        {"not arrived, Shift", 5, 7, &GameState::shift, &GameState::shift, 100, 5, 7},
        {"not arrived, Return", 5, 7, &GameState::enter, &GameState::enter, 100, kKeinePassagiere, 0},
        {"arrived, a click", 4, kZiel, &GameState::mouseButtonLeft, &GameState::feuer, 100 + fahrpreis(4), 3, 100},
        {"arrived, Shift and Return", 2, kZiel, &GameState::shift, &GameState::enter, 100 + fahrpreis(2), 3, 100},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        GameState s = amVerkehr();
        s.passagiertyp = c.typ;
        s.passagierziel = c.ziel;
        s.*c.key = s.*c.also = 1;
        frame(s);
        EXPECT_EQ(s.render, 0);
        EXPECT_EQ(s.geld, c.geld);
        EXPECT_EQ(s.passagiertyp, c.typNachher);
        EXPECT_EQ(s.passagierziel, c.zielNachher);
        EXPECT_FALSE(s.passagierevonbord);
        EXPECT_EQ(s.feuer, 0);
    }
}

// The old man's offer is bound for Aldebaran whatever was drawn, but not
// while a group that has not arrived hides the offer.
TEST(Traffic, TheOldManIsAlwaysBoundForAldebaran) {
    for (const bool aboard : {false, true}) {
        GameState s = amVerkehr();
        s.passagiere = kGreis;
        s.pziel = 12;
        if (aboard) s.passagiertyp = 1;
        s.passagierziel = 3;
        frame(s);
        EXPECT_EQ(s.pziel, aboard ? 12 : kAldebaran) << aboard;
    }
}
