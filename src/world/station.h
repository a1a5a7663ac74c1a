#pragma once

#include <array>
#include <cstdint>

#include "platform/d3d_vector.h"
#include "world/ship_types.h"
#include "world/texts.h"

// The four station kinds; a station's kind is also its slot.
enum StationTyp : std::int32_t {
    kHandelsstation = 0,
    kWerftstation = 1,
    kVerkehrsstation = 2,
    kKampfstation = 3,
};

constexpr int kStationSlots = 4;

struct Station {
    D3DVECTOR pos;
    D3DVECTOR ang;  // the flight view turns it about y every frame
    std::int32_t typ = kHandelsstation;
    float scale = 50.0f;  // every distance around a station is a multiple of it
};

// What makes each kind of station: the title of its panel, its letter in
// the cockpit, its model, and the ships that keep near it (made with the
// location, in this order; 0 ends the list). Its docked step and its screen
// stand in the tables of the stations' rules and of the screens, by kind.
struct Stationsart {
    TextId titel;
    TextId buchstabe;
    const char* modell;
    std::array<int, 5> schiffe;
};

inline constexpr std::array<Stationsart, kStationSlots> kStationsarten{{
    {TextId::Stationstitel + 0, TextId::Stationsbuchstabe + 0, "Station1.x", {kShuttle, kWache}},
    {TextId::Stationstitel + 1, TextId::Stationsbuchstabe + 1, "Station2.x", {kWache}},
    {TextId::Stationstitel + 2, TextId::Stationsbuchstabe + 2, "Station3.x", {kShuttle, kWache}},
    {TextId::Stationstitel + 3, TextId::Stationsbuchstabe + 3, "Station4.x", {kWache, kWache, kWache, kWache, kWache}},
}};

// A station's kind; a number outside the table reads as a trade station.
inline const Stationsart& stationsart(int typ) {
    return kStationsarten[typ >= 0 && typ < kStationSlots ? static_cast<std::size_t>(typ) : 0];
}

constexpr TextId stationstitel(int typ) { return kStationsarten[static_cast<std::size_t>(typ & 3)].titel; }
