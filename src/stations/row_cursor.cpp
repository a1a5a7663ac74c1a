#include "stations/row_cursor.h"

namespace {
constexpr std::int16_t kWiederholung = 4;  // frames per row while held
}

bool rowCursorStep(GameState& s, std::uint16_t letzteZeile) {
    s.zeigverz = static_cast<std::int16_t>(s.zeigverz - 1);
    if (s.zeigverz >= 1) return false;
    s.zeigverz = kWiederholung;
    if ((s.up || s.mouseUp) && s.zeig > 0) s.zeig = static_cast<std::uint16_t>(s.zeig - 1);
    if ((s.down || s.mouseDown) && s.zeig < letzteZeile) s.zeig = static_cast<std::uint16_t>(s.zeig + 1);
    return true;
}
