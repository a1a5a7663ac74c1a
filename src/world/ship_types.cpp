#include "world/ship_types.h"

#include <array>

namespace {

// Straight ahead of the field's centre.
constexpr D3DVECTOR kAhead{0.0f, 20.0f, 10020.0f};

// Index = type - 1. Passing traffic: 1, 2, 3, 5, 11; the stations' shuttle 12
// and guard 7; pirates: 4, 6, 8, 9, 10.
constexpr std::array<ShipType, kSchiffstypen> kShipTypes{{
    {5, 180.0f, 20.0f, 1.0f, 3, false, {0.0f, 2000.0f, 0.0f}, {0.7f, 1.0f, 0.2f}, "Raumschiff1.X"},
    {6, 250.0f, 25.0f, 1.5f, 4, false, kAhead, {0.3f, 1.0f, 0.3f}, "Raumschiff2.X"},
    {4, 180.0f, 30.0f, 1.5f, 3, false, {1000.0f, 10000.0f, 1000.0f}, {0.2f, 1.0f, 0.7f}, "Raumschiff3.X"},
    {4, 180.0f, 50.0f, 3.0f, 3, true, kAhead, {0.2f, 1.0f, 1.0f}, "Raumschiff4.X"},
    {8, 300.0f, 20.0f, 1.0f, 2, false, kAhead, {0.3f, 1.0f, 0.3f}, "Raumschiff5.X"},
    {5, 180.0f, 50.0f, 3.5f, 2, true, kAhead, {0.5f, 1.0f, 0.2f}, "Raumschiff6.X"},
    {6, 300.0f, 50.0f, 2.5f, 2, false, kAhead, {1.0f, 0.5f, 0.2f}, "Raumschiff7.X"},
    {1, 180.0f, 50.0f, 3.0f, 4, true, kAhead, {1.0f, 0.5f, 0.2f}, "Raumschiff8.X"},
    {10, 400.0f, 20.0f, 1.0f, 1, true, kAhead, {1.0f, 0.2f, 1.0f}, "Raumschiff9.X"},
    {6, 100.0f, 60.0f, 4.0f, 3, true, kAhead, {1.0f, 1.0f, 0.3f}, "Raumschiff10.X"},
    {3, 250.0f, 50.0f, 1.0f, 4, false, kAhead, {0.5f, 1.0f, 0.2f}, "Raumschiff11.X"},
    {2, 180.0f, 40.0f, 2.5f, 4, false, kAhead, {1.0f, 1.0f, 0.3f}, "Raumschiff12.X"},
}};

}  // namespace

const ShipType& shipType(int typ) {
    const int index = (typ >= 1 && typ <= kSchiffstypen) ? typ - 1 : 0;
    return kShipTypes[index];
}

bool isPirateType(int typ) { return typ >= 1 && typ <= kSchiffstypen && kShipTypes[typ - 1].pirate; }
