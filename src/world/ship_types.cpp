#include "world/ship_types.h"

#include <array>

namespace {

// Straight ahead of the field's centre.
constexpr D3DVECTOR kAhead{0.0f, 20.0f, 10020.0f};

// By type, from 1.
constexpr std::array<ShipType, kSchiffstypen> kShipTypes{{
    {.hitPoints = 5, .scale = 180.0f, .speed = 20.0f, .turnRate = 1.0f, .fireInterval = 3, .pirate = false,
     .raketen = false, .target = {0.0f, 2000.0f, 0.0f}, .form = {0.7f, 1.0f, 0.2f}, .mesh = "Raumschiff1.X"},
    {.hitPoints = 6, .scale = 250.0f, .speed = 25.0f, .turnRate = 1.5f, .fireInterval = 4, .pirate = false,
     .raketen = false, .target = kAhead, .form = {0.3f, 1.0f, 0.3f}, .mesh = "Raumschiff2.X"},
    {.hitPoints = 4, .scale = 180.0f, .speed = 30.0f, .turnRate = 1.5f, .fireInterval = 3, .pirate = false,
     .raketen = false, .target = {1000.0f, 10000.0f, 1000.0f}, .form = {0.2f, 1.0f, 0.7f}, .mesh = "Raumschiff3.X"},
    {.hitPoints = 4, .scale = 180.0f, .speed = 50.0f, .turnRate = 3.0f, .fireInterval = 3, .pirate = true,
     .raketen = false, .target = kAhead, .form = {0.2f, 1.0f, 1.0f}, .mesh = "Raumschiff4.X"},
    {.hitPoints = 8, .scale = 300.0f, .speed = 20.0f, .turnRate = 1.0f, .fireInterval = 2, .pirate = false,
     .raketen = false, .target = kAhead, .form = {0.3f, 1.0f, 0.3f}, .mesh = "Raumschiff5.X"},
    {.hitPoints = 5, .scale = 180.0f, .speed = 50.0f, .turnRate = 3.5f, .fireInterval = 2, .pirate = true,
     .raketen = true, .target = kAhead, .form = {0.5f, 1.0f, 0.2f}, .mesh = "Raumschiff6.X"},
    {.hitPoints = 6, .scale = 300.0f, .speed = 50.0f, .turnRate = 2.5f, .fireInterval = 2, .pirate = false,
     .raketen = true, .target = kAhead, .form = {1.0f, 0.5f, 0.2f}, .mesh = "Raumschiff7.X"},
    {.hitPoints = 1, .scale = 180.0f, .speed = 50.0f, .turnRate = 3.0f, .fireInterval = 4, .pirate = true,
     .raketen = false, .target = kAhead, .form = {1.0f, 0.5f, 0.2f}, .mesh = "Raumschiff8.X"},
    {.hitPoints = 10, .scale = 400.0f, .speed = 20.0f, .turnRate = 1.0f, .fireInterval = 1, .pirate = true,
     .raketen = true, .target = kAhead, .form = {1.0f, 0.2f, 1.0f}, .mesh = "Raumschiff9.X"},
    {.hitPoints = 6, .scale = 100.0f, .speed = 60.0f, .turnRate = 4.0f, .fireInterval = 3, .pirate = true,
     .raketen = false, .target = kAhead, .form = {1.0f, 1.0f, 0.3f}, .mesh = "Raumschiff10.X"},
    {.hitPoints = 3, .scale = 250.0f, .speed = 50.0f, .turnRate = 1.0f, .fireInterval = 4, .pirate = false,
     .raketen = false, .target = kAhead, .form = {0.5f, 1.0f, 0.2f}, .mesh = "Raumschiff11.X"},
    {.hitPoints = 2, .scale = 180.0f, .speed = 40.0f, .turnRate = 2.5f, .fireInterval = 4, .pirate = false,
     .raketen = false, .target = kAhead, .form = {1.0f, 1.0f, 0.3f}, .mesh = "Raumschiff12.X"},
}};

}  // namespace

const ShipType& shipType(int typ) {
    const int index = (typ >= 1 && typ <= kSchiffstypen) ? typ - 1 : 0;
    return kShipTypes[index];
}

bool isPirateType(int typ) { return typ >= 1 && typ <= kSchiffstypen && kShipTypes[typ - 1].pirate; }
