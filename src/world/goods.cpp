#include "world/goods.h"

const std::array<Ware, kWarenAnzahl> kWaren{{
    {TextId::Ware + 0, &GameState::uranld, &GameState::uran},
    {TextId::Ware + 1, &GameState::platinld, &GameState::platin},
    {TextId::Ware + 2, &GameState::goldld, &GameState::gold},
    {TextId::Ware + 3, &GameState::iridiumld, &GameState::iridium},
    {TextId::Ware + 4, &GameState::roboterld, &GameState::roboter},
    {TextId::Ware + 5, &GameState::computerld, &GameState::computer},
    {TextId::Ware + 6, &GameState::elektronikld, &GameState::elektronik},
    {TextId::Ware + 7, &GameState::maschinenld, &GameState::maschinen},
    {TextId::Ware + 8, &GameState::panzerld, &GameState::panzer},
    {TextId::Ware + 9, &GameState::kanonenld, &GameState::kanonen},
    {TextId::Ware + 10, &GameState::raketenld, &GameState::raketen},
    {TextId::Ware + 11, &GameState::munitionld, &GameState::munition},
    {TextId::Ware + 12, &GameState::nahrungld, &GameState::nahrung},
    {TextId::Ware + 13, &GameState::textilienld, &GameState::textilien},
    {TextId::Ware + 14, &GameState::ersatzteileld, &GameState::ersatzteile},
    {TextId::Ware + 15, &GameState::luxusgutld, &GameState::luxusgut},
}};

bool hatGruppeAnBord(const GameState& s, Warengruppe gruppe) {
    const int first = static_cast<int>(gruppe) * 4;
    for (int ware = first; ware < first + 4; ++ware) {
        if (ladung(s, ware) != 0) return true;
    }
    return false;
}
