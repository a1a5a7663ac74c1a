#pragma once

#include <array>
#include <cstdint>

#include "world/game_state.h"

constexpr int kPassagierarten = 10;

// What each kind of passenger pays, both as the offer and on arrival.
inline constexpr std::array<std::int32_t, kPassagierarten> kFahrpreis = {50,   75,   100,  150,  325,
                                                                        750,  1250, 2500, 5000, 10000};

// The kinds whose arrival is a story of its own.
enum Passagierart : std::uint16_t {
    kVerbrecher = 6,   // arrested on arrival: the fare is lost
    kVolksbefreier = 7,  // start a revolt: the system falls into unrest
    kPrinzessin = 8,   // her companion starts a war there
    kGreis = 9,        // always bound for Aldebaran, which becomes a democracy
};

// The fare of a kind; nothing for a kind outside the table.
std::int32_t fahrpreis(int art);

// Whether the traffic station shows its offer: the ship is empty, or its
// passengers have just arrived.
bool angebotSichtbar(const GameState& s);

// One frame at the traffic station, before it is shown: passengers aboard
// whose destination is this system arrive and the fare is set as the frame's
// income; the stories of the arrived kind change a government (on every
// frame they show, to the same result) or cancel the fare once it is shown;
// an offered old man names Aldebaran as his destination.
void trafficStep(GameState& s);

// Leaving with Return: an empty ship or one whose passengers have arrived
// (paid now) takes the offer; passengers not yet arrived are put off, unpaid.
void passengerExchange(GameState& s);
