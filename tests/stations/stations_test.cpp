#include <gtest/gtest.h>

#include <numbers>

#include "stations/combat_station.h"
#include "stations/docking.h"
#include "stations/row_cursor.h"
#include "stations/shipyard.h"
#include "stations/trade.h"
#include "stations/traffic.h"
#include "support/test_world.h"
#include "world/goods.h"
#include "world/ship_types.h"

// The rules of the docked frame, station by station. What each screen shows
// is pinned in tests/ui/station_screens_test.cpp and by the docked runs of
// tests/tools/pins_test.cpp.

namespace {

constexpr std::uint16_t kZiel = 44;
constexpr int kUran = 0;
constexpr int kLuxusgut = 15;

// Docked in the first frame at the only station, of the kind, in system 44
// at (10, 20, 30), scale 100; the traffic station offers kind 3 for 100.
GameState docked(int typ) {
    GameState s = freshWorld();
    for (auto& station : s.station) station.reset();
    s.sternenpos = kZiel, s.render = 2, s.nStation = typ;
    Station& station = s.station[static_cast<std::size_t>(typ)].emplace();
    station.typ = typ;
    station.pos = {10, 20, 30};
    station.scale = 100;
    s.blickrichtung = {0, 0, 1};
    s.speed = 7, s.passagiere = 3, s.pziel = 100;
    return s;
}

// One docked frame: its rules, then the leave handling.
void frame(GameState& s) {
    QuietServices q;
    dockedStep(s, q);
    leaveStation(s);
}

// At a trade station whose cursor reads the input in the next frame; each
// good costs 10 more than its row.
GameState amMarkt(int zeile) {
    GameState s;
    s.zeig = static_cast<std::uint16_t>(zeile);
    s.zeigverz = 1;
    for (int ware = 0; ware < kWarenAnzahl; ++ware) preis(s, ware) = 10 + ware;
    return s;
}

// At a combat station of system 11 under the government, offered the
// mission 4/2 while 9/1 is shown.
GameState amKampf(int regierung) {
    GameState s = docked(kKampfstation);
    s.sternenpos = 11;
    s.stern[11].eigenschaften = static_cast<std::uint16_t>((s.stern[11].eigenschaften & ~7) | regierung);
    s.aufgabeP = 4, s.aufgabeM = 2, s.aufgabePlanet = 9, s.aufgabeMond = 1;
    return s;
}

EnemyShip schiff(int typ, bool attacking) {
    Random rng;
    EnemyShip ship(typ, rng);
    ship.attacking = attacking;
    return ship;
}

int step(GameState& s, int n, std::uint16_t letzteZeile) {
    int gelesen = 0;
    for (int i = 0; i < n; ++i) gelesen += rowCursorStep(s, letzteZeile) ? 1 : 0;
    return gelesen;
}

}  // namespace

// ---------------------------------------------------------------- every station

// A frame docked at no station (an index outside the slots, an empty slot)
// goes back to flight, at rest.
TEST(DockedFrame, AFrameAtNoStationGoesBackToFlight) {
    QuietServices q;
    for (int n : {-1, 4, 1000, 2}) {
        GameState s = docked(0);
        s.nStation = n;
        dockedStep(s, q);
        EXPECT_EQ(s.render, 0) << n;
        EXPECT_EQ(s.speed, 0.0f);
    }
}

TEST(DockedFrame, TheModelTurnsAndTheIncomeIsOfOneFrameOnly) {
    QuietServices q;
    GameState s = docked(1);
    s.einnahmen = 500;
    s.stationsrotation = 2.0f * std::numbers::pi_v<float> - 0.01f;
    dockedStep(s, q);
    EXPECT_EQ(std::tuple(s.stationsrotation, s.einnahmen), std::tuple(0.0f, 0));
    dockedStep(s, q);
    EXPECT_FLOAT_EQ(s.stationsrotation, 0.02f);
}

TEST(DockedFrame, ShiftLeavesEveryStationReturnOnlyTheTrafficStation) {
    for (int typ = 0; typ < kStationSlots; ++typ) {
        SCOPED_TRACE(typ);
        GameState s = docked(typ);
        s.enter = 1;
        s.mouseButtonLeft = 1;
        leaveStation(s);
        EXPECT_EQ(s.render, typ == kVerkehrsstation ? 0 : 2);

        s = docked(typ);
        s.mouseButtonRight = 1;
        leaveStation(s);
        // At rest in front of the station, outside its docking range.
        EXPECT_EQ(std::tuple(s.render, s.speed, D3DVECTOR(s.x, s.y, s.z)), std::tuple(0, 0.0f, D3DVECTOR(10, 20, 1830)));
    }
}

// A held key moves the cursor one row every fourth frame, within the list;
// up and down together cancel; a row left below the list by another screen
// stays until moved up.
TEST(RowCursor, AHeldKeyMovesOneRowEveryFourthFrameWithinTheList) {
    GameState s;
    s.down = 1;
    EXPECT_EQ(step(s, 3, 12), 0);
    EXPECT_EQ(step(s, 1, 12), 1);
    EXPECT_EQ(s.zeig, 1);
    step(s, 4 * 20, 12);
    EXPECT_EQ(s.zeig, 12);
    s.down = 0;
    s.mouseUp = 1;
    step(s, 4 * 20, 12);
    EXPECT_EQ(s.zeig, 0);
    s.zeig = 5;
    s.mouseDown = 1;
    step(s, 4, 15);
    EXPECT_EQ(s.zeig, 5);
    s.mouseUp = 0;
    s.zeig = 15;
    step(s, 8, 12);
    EXPECT_EQ(s.zeig, 15);
}

// ---------------------------------------------------------------- trade station

// A sale of one unit comes first, then a purchase: it needs more money than
// the price and room by the load counted before the sale, in 32 bits; the
// purse stops at its largest sum. Each deal clicks.
TEST(Trade, SellingThenBuyingOneUnitAtTheirEdges) {
    using Key = std::int32_t GameState::*;
    struct Case {
        const char* what;
        int ware;
        Key key, also;
        std::int32_t geld;
        std::uint16_t laderaum, vorher, jedeAndere;  // units of the row's good and of each other one
        std::uint16_t nachher;
        std::int32_t geldNachher;
        std::size_t klicks;
    };
    const Case kCases[] = {
        {"the money is exactly the price", kUran, &GameState::right, &GameState::right, 10, 20, 0, 0, 0, 10, 0},
        {"one more than the price", kUran, &GameState::mouseLeft, &GameState::mouseLeft, 11, 20, 0, 0, 1, 1, 1},
        {"a full hold, by the wheel", kLuxusgut, &GameState::wheelForward, &GameState::wheelForward, 1000, 20, 0, 2, 0,
         1000, 0},
        {"nothing aboard to sell", kUran, &GameState::left, &GameState::left, 100, 20, 0, 0, 0, 100, 0},
        {"a full hold sells but buys nothing", kUran, &GameState::left, &GameState::right, 100, 20, 20, 0, 19, 110, 1},
        {"with room sells and buys back", kUran, &GameState::mouseRight, &GameState::wheelForward, 100, 20, 5, 0, 5, 100,
         2},
        {"80000 units aboard, more than 16 bits", kUran, &GameState::right, &GameState::right, 1000, 65535, 5000, 5000,
         5000, 1000, 0},
        {"the purse is full", kUran, &GameState::wheelBack, &GameState::wheelBack, INT32_MAX - 5, 20, 1, 0, 0, INT32_MAX,
         1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        QuietServices q;
        GameState s = amMarkt(c.ware);
        for (int ware = 0; ware < kWarenAnzahl; ++ware) ladung(s, ware) = ware == c.ware ? c.vorher : c.jedeAndere;
        s.laderaum = c.laderaum, s.geld = c.geld, s.*c.key = s.*c.also = 1;
        tradeStep(s, q);
        EXPECT_EQ(std::tuple(ladung(s, c.ware), s.geld, q.sounds.size()), std::tuple(c.nachher, c.geldNachher, c.klicks));
    }
}

// Only frames whose counter runs out trade; a row left below the list by
// another screen does nothing.
TEST(Trade, OnlyFramesWhoseCounterRunsOutTradeAndRowsBelowTheListDoNothing) {
    QuietServices q;
    GameState s = amMarkt(kUran);
    s.zeigverz = 3;
    s.right = 1;
    for (int frame = 0; frame < 8; ++frame) tradeStep(s, q);
    EXPECT_EQ(ladung(s, kUran), 2);  // frames 3 and 7

    s = amMarkt(16);
    s.right = s.left = 1;
    s.geld = 5000;
    tradeStep(s, q);
    EXPECT_EQ(s.geld, 5000);
}

// ---------------------------------------------------------------- shipyard

// Each equipment row buys one unit for its price when the money is above
// its need and the value below its limit, and sells one back for its
// refund above its floor; 16-bit levels stop at their largest value.
TEST(Shipyard, EveryEquipmentRowBuysBetweenItsNeedAndLimitAndSellsDownToItsFloor) {
    for (int row = 4; row < kWerftzeilen; ++row) {
        SCOPED_TRACE(row);
        const Werftangebot& a = kWerftkatalog[static_cast<std::size_t>(row)];
        GameState s;
        s.*a.wert = a.boden;
        s.geld = a.kaufAb;
        EXPECT_FALSE(werftKauf(s, row));
        s.geld = a.kaufAb + 1;
        ASSERT_TRUE(werftKauf(s, row));
        EXPECT_EQ(std::tuple(s.*a.wert, s.geld), std::tuple(a.boden + 1, a.kaufAb + 1 - a.preis));
        s.geld = 0;
        EXPECT_TRUE(werftVerkauf(s, row));
        EXPECT_EQ(std::tuple(s.*a.wert, s.geld), std::tuple(a.boden, a.erloes));
        EXPECT_FALSE(werftVerkauf(s, row));  // at the floor
        s.geld = 1000000;
        s.*a.wert = static_cast<std::uint16_t>(a.grenze - 1);
        EXPECT_TRUE(werftKauf(s, row));
        EXPECT_EQ(s.*a.wert, a.grenze);
        EXPECT_FALSE(werftKauf(s, row));  // at the limit
    }
    EXPECT_EQ(kWerftkatalog[4].grenze, 65535);
    for (int row : {-1, 13, 15, 40000}) {
        GameState s;
        s.geld = 100000;
        EXPECT_FALSE(werftKauf(s, row));
        EXPECT_FALSE(werftVerkauf(s, row));
    }
}

// A gun row fits its gun over any lesser one for the row's price and sells
// only its own gun, down one type; with the positron gun the lesser rows
// neither buy nor sell.
TEST(Shipyard, GunsReplaceLesserOnesAndSellDownOneType) {
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        const Werftangebot& a = kWerftkatalog[static_cast<std::size_t>(row)];
        GameState s;
        s.kanone = 0;
        s.geld = a.kaufAb + 1;
        EXPECT_TRUE(werftKauf(s, row));
        EXPECT_EQ(std::tuple(s.kanone, s.geld), std::tuple(row + 1, a.kaufAb + 1 - a.preis));
        EXPECT_FALSE(werftKauf(s, row));  // the same gun again
        s.geld = 0;
        EXPECT_TRUE(werftVerkauf(s, row));
        EXPECT_EQ(std::tuple(s.kanone, s.geld), std::tuple(row, a.erloes));
        s.kanone = 4;
        s.geld = 100000;
        EXPECT_FALSE(werftKauf(s, row));
        EXPECT_EQ(werftVerkauf(s, row), row == 3);
        EXPECT_EQ(s.kanone, row == 3 ? 3 : 4);
        EXPECT_FALSE(werftVerkauf(s, row));  // nor the gun below its own
    }
}

// A frame buys, then sells, and clicks for each; the wheel does nothing
// here, nor does a row left below the list.
TEST(Shipyard, AFrameBuysThenSellsAndClicksForEach) {
    QuietServices q;
    GameState s;
    s.zeig = 7, s.zeigverz = 1, s.geld = 1001, s.right = s.left = 1;
    shipyardStep(s, q);
    EXPECT_EQ(std::tuple(s.schildspeicher, s.geld), std::tuple(1, 801));  // the storage loses 200 on the way
    EXPECT_EQ(q.sounds, (std::vector<int>{kKlick, kKlick}));
    for (const int zeig : {7, 15}) {
        s.zeig = static_cast<std::uint16_t>(zeig);
        s.zeigverz = 1, s.right = s.left = 0, s.wheelForward = zeig == 7 ? 1 : 0;
        s.mouseLeft = zeig == 7 ? 0 : 1;
        shipyardStep(s, q);
        EXPECT_EQ(std::tuple(s.zeig, s.geld, q.sounds.size()), std::tuple(zeig, 801, 2u));
    }
}

// ---------------------------------------------------------------- traffic station

// Arrived passengers show their fare and pay it on leaving, the criminals
// excepted (arrested on arrival); the offer is not taken by Shift.
TEST(Traffic, EveryKindPaysItsFareOnArrivalExceptTheCriminals) {
    for (std::uint16_t art = 0; art < kPassagierarten; ++art) {
        SCOPED_TRACE(art);
        GameState s = docked(kVerkehrsstation);
        s.passagiertyp = art, s.passagierziel = kZiel, s.geld = 100;
        frame(s);
        EXPECT_EQ(std::tuple(s.passagierevonbord, s.picture.einnahmenGezeigt, s.render), std::tuple(true, fahrpreis(art), 2));
        s.shift = 1;
        frame(s);
        EXPECT_EQ(s.geld, 100 + (art == kVerbrecher ? 0 : fahrpreis(art)));
        EXPECT_EQ(std::tuple(s.render, s.passagierevonbord, s.passagiertyp), std::tuple(0, false, kKeinePassagiere));
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
        GameState s = docked(kVerkehrsstation);
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
        GameState s = docked(kVerkehrsstation);
        s.passagiertyp = c.typ, s.passagierziel = c.ziel, s.*c.key = s.*c.also = 1;
        frame(s);
        EXPECT_EQ(std::tuple(s.geld, s.passagiertyp, s.passagierziel), std::tuple(c.geld, c.typNachher, c.zielNachher));
        EXPECT_EQ(std::tuple(s.render, s.passagierevonbord, s.feuer), std::tuple(0, false, 0));
    }
}

// The old man's offer is bound for Aldebaran whatever was drawn, but not
// while a group that has not arrived hides the offer.
TEST(Traffic, TheOldManIsAlwaysBoundForAldebaran) {
    for (const bool aboard : {false, true}) {
        GameState s = docked(kVerkehrsstation);
        s.passagiere = kGreis;
        s.pziel = 12;
        if (aboard) s.passagiertyp = 1;
        s.passagierziel = 3;
        frame(s);
        EXPECT_EQ(s.pziel, aboard ? 12 : kAldebaran) << aboard;
    }
}

// ---------------------------------------------------------------- combat station

// A visit accepts the offered mission, except in a democracy, which cancels
// the one shown.
TEST(CombatStation, VisitingAcceptsTheMissionAndADemocracyCancelsIt) {
    QuietServices q;
    for (int regierung = 0; regierung < 8; ++regierung) {
        GameState s = amKampf(regierung);
        dockedStep(s, q);
        EXPECT_EQ(s.aufgabePlanet * 10 + s.aufgabeMond, regierung < 7 ? 42 : 0) << regierung;
    }
}

// Arriving at the target cell makes its kills the mission fight, also a
// cell in column 0 (which brings no squadron); no mission is no target,
// not the cell A0.
TEST(CombatStation, ArrivingAtTheTargetCellMakesItsKillsTheMissionFight) {
    const std::tuple<int, int, int, int, bool> kArrivals[] = {
        {3, 1, 3, 1, true}, {3, 1, 3, 0, false}, {3, 0, 3, 0, true}, {0, 0, 0, 0, false}};
    for (const auto& [planet, mond, at, body, fight] : kArrivals) {
        GameState s = freshWorld();
        s.aufgabePlanet = planet;
        s.aufgabeMond = mond;
        arrive(s, 0, at, body, 77);
        EXPECT_EQ(s.missionskampf, fight) << planet << mond << " at " << at << body;
    }
}

// In the mission fight each kill pays 50 more (the purse stops at its
// largest sum); the kill that leaves no intact pirate and no attacking ship
// ends the mission and shows the message; then loot is ordinary again.
TEST(CombatStation, EachMissionKillPaysFiftyMoreAndTheLastAttackerEndsTheMission) {
    GameState s;
    s.aufgabePlanet = 3, s.aufgabeMond = 1, s.beute = 20, s.geld = 120;
    missionKill(s);  // not the mission fight: nothing
    EXPECT_EQ(std::pair(s.beute, s.geld), std::pair(20, 120));

    s.missionskampf = true;
    s.raumschiff[0] = schiff(kAnfuehrer, false);  // a pirate not yet attacking
    s.raumschiff[1] = schiff(kWache, false);      // a peaceful guard
    s.raumschiff[2] = schiff(kAnfuehrer, false);
    s.raumschiff[2]->typ = 20;  // the one just destroyed
    missionKill(s);
    EXPECT_EQ(std::tuple(s.beute, s.geld, s.aufgabePlanet, s.missionsmeldungz), std::tuple(70, 170, 3, 0));
    s.raumschiff[0]->typ = 25;
    s.raumschiff[1]->attacking = true;  // the guard joined the fight
    missionKill(s);
    EXPECT_EQ(s.aufgabePlanet, 3);
    s.raumschiff[1].reset();
    s.geld = INT32_MAX - 1;
    missionKill(s);
    EXPECT_EQ(std::tuple(s.geld, s.aufgabePlanet, s.aufgabeMond, s.missionskampf, s.missionsmeldungz),
              std::tuple(INT32_MAX, 0, 0, false, kMissionsmeldungFrames));
    s.beute = 5;
    missionKill(s);
    EXPECT_EQ(s.beute, 5);
}
