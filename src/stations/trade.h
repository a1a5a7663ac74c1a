#pragma once

#include <cstdint>

#include "world/game_state.h"
#include "world/services.h"

// The trade station's rows: the sixteen goods, 0..15.
constexpr std::uint16_t kLetzteWarenzeile = 15;

// The load aboard: the sixteen cargo counts added up in 32 bits, so a hold of
// many full rows never wraps to a small number.
std::int32_t ladungSumme(const GameState& s);

// One frame at the trade station: the row cursor, then for the good of the
// row, one unit sold (Left, the mouse moved right, the wheel back) and then
// one unit bought (Right, the mouse moved left, the wheel forward) at the
// local price. Buying needs more money than the price and a load, counted
// before this frame's sale, below the hold's size. Each trade clicks.
void tradeStep(GameState& s, Services& services);
