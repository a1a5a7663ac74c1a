#pragma once

#include <array>
#include <cstdint>

#include "world/game_state.h"
#include "world/texts.h"

constexpr int kWarenAnzahl = 16;

// The four groups of four goods; pirates look at which groups are aboard.
enum class Warengruppe { Rohstoffe, Technik, Waffen, Konsum };

// One good: its name, the cargo count and the local price in the game state.
struct Ware {
    TextId name;
    std::uint16_t GameState::*ladung;
    std::int32_t GameState::*preis;
};

// Goods in their fixed order: screen rows, cursor positions, savegame fields.
extern const std::array<Ware, kWarenAnzahl> kWaren;

inline Warengruppe warengruppe(int ware) { return static_cast<Warengruppe>(ware / 4); }

inline std::uint16_t& ladung(GameState& s, int ware) { return s.*kWaren[ware].ladung; }
inline std::uint16_t ladung(const GameState& s, int ware) { return s.*kWaren[ware].ladung; }
inline std::int32_t& preis(GameState& s, int ware) { return s.*kWaren[ware].preis; }
inline std::int32_t preis(const GameState& s, int ware) { return s.*kWaren[ware].preis; }

// Whether any good of the group is aboard.
bool hatGruppeAnBord(const GameState& s, Warengruppe gruppe);
