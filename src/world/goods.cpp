#include "world/goods.h"

const std::array<Ware, kWarenAnzahl> kWaren{{
    {"Uran~", &GameState::uranld, &GameState::uran},
    {"Platin~", &GameState::platinld, &GameState::platin},
    {"Gold~", &GameState::goldld, &GameState::gold},
    {"Iridium~", &GameState::iridiumld, &GameState::iridium},
    {"Roboter~", &GameState::roboterld, &GameState::roboter},
    {"Computer~", &GameState::computerld, &GameState::computer},
    {"Elektronik~", &GameState::elektronikld, &GameState::elektronik},
    {"Maschinen~", &GameState::maschinenld, &GameState::maschinen},
    {"Panzer~", &GameState::panzerld, &GameState::panzer},
    {"Kanonen~", &GameState::kanonenld, &GameState::kanonen},
    {"Raketen~", &GameState::raketenld, &GameState::raketen},
    {"Munition~", &GameState::munitionld, &GameState::munition},
    {"Nahrung~", &GameState::nahrungld, &GameState::nahrung},
    {"Textilien~", &GameState::textilienld, &GameState::textilien},
    {"Ersatzteile~", &GameState::ersatzteileld, &GameState::ersatzteile},
    {"Luxusgut~", &GameState::luxusgutld, &GameState::luxusgut},
}};

bool hatGruppeAnBord(const GameState& s, Warengruppe gruppe) {
    const int first = static_cast<int>(gruppe) * 4;
    for (int ware = first; ware < first + 4; ++ware) {
        if (ladung(s, ware) != 0) return true;
    }
    return false;
}
