#pragma once

#include <cstdint>

#include "platform/d3d_vector.h"
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

// The panel title of each station kind.
constexpr TextId stationstitel(int typ) { return TextId::Stationstitel + (typ & 3); }
