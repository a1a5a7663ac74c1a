#pragma once

#include <array>
#include <cstdint>

#include "world/game_state.h"
#include "world/services.h"
#include "world/texts.h"

// One offer of the shipyard's catalogue. A gun row (kanonenTyp 1..4) fits
// that gun over any lesser one and sells it down one type; any other row
// adds or takes one unit of its equipment value, between its floor and its
// limit.
struct Werftangebot {
    TextId label;
    std::int32_t preis;       // shown and paid on buying
    std::int32_t kaufAb;      // buying needs more money than this
    std::int32_t erloes;      // paid on selling
    std::uint16_t kanonenTyp; // 0: not a gun row
    std::uint16_t GameState::*wert;
    std::uint16_t grenze;     // buying stops at this value
    std::uint16_t boden;      // selling stops at this value
};

constexpr int kWerftzeilen = 13;
constexpr std::uint16_t kLetzteWerftzeile = kWerftzeilen - 1;

// The same at every shipyard. Levels without a limit of their own stop at
// the largest value they hold.
extern const std::array<Werftangebot, kWerftzeilen> kWerftkatalog;

// Buying and selling the row's offer; false (nothing changed) when refused.
bool werftKauf(GameState& s, int zeile);
bool werftVerkauf(GameState& s, int zeile);

// One frame at the shipyard: the row cursor, then for the row, a purchase
// (Right, the mouse moved left) and then a sale (Left, the mouse moved
// right). Each one made clicks. A row below the catalogue does nothing.
void shipyardStep(GameState& s, Services& services);
