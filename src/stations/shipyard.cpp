#include "stations/shipyard.h"

#include "stations/row_cursor.h"

namespace {
constexpr std::uint16_t kVoll = 65535;
}  // namespace

const std::array<Werftangebot, kWerftzeilen> kWerftkatalog = {{
    {TextId::Werftangebot + 0, 1000, 999, 1000, 1, &GameState::kanone, 0, 0},
    {TextId::Werftangebot + 1, 2000, 1999, 1000, 2, &GameState::kanone, 0, 0},
    {TextId::Werftangebot + 2, 4000, 3999, 2000, 3, &GameState::kanone, 0, 0},
    {TextId::Werftangebot + 3, 8000, 7999, 4000, 4, &GameState::kanone, 0, 0},
    {TextId::Werftangebot + 4, 800, 799, 800, 0, &GameState::energielader, kVoll, 1},
    {TextId::Werftangebot + 5, 1000, 999, 1000, 0, &GameState::energiespeicher, 4, 1},
    {TextId::Werftangebot + 6, 800, 799, 800, 0, &GameState::schildlader, kVoll, 1},
    {TextId::Werftangebot + 7, 1000, 1000, 800, 0, &GameState::schildspeicher, 4, 1},
    {TextId::Werftangebot + 8, 100, 99, 100, 0, &GameState::beschleuniger, 7, 0},
    {TextId::Werftangebot + 9, 50, 49, 50, 0, &GameState::lenkraketen, 7, 0},
    {TextId::Werftangebot + 10, 40, 39, 40, 0, &GameState::ecm, 7, 0},
    {TextId::Werftangebot + 11, 200, 799, 800, 0, &GameState::gigabomben, 7, 0},
    {TextId::Werftangebot + 12, 1500, 1499, 1500, 0, &GameState::laderaum, kVoll, 20},
}};

bool werftKauf(GameState& s, int zeile) {
    if (zeile < 0 || zeile >= kWerftzeilen) return false;
    const Werftangebot& a = kWerftkatalog[zeile];
    if (s.geld <= a.kaufAb) return false;
    std::uint16_t& wert = s.*a.wert;
    if (a.kanonenTyp != 0) {
        if (wert >= a.kanonenTyp) return false;
        wert = a.kanonenTyp;
    } else {
        if (wert >= a.grenze) return false;
        wert = static_cast<std::uint16_t>(wert + 1);
    }
    s.geld -= a.preis;
    return true;
}

bool werftVerkauf(GameState& s, int zeile) {
    if (zeile < 0 || zeile >= kWerftzeilen) return false;
    const Werftangebot& a = kWerftkatalog[zeile];
    std::uint16_t& wert = s.*a.wert;
    if (a.kanonenTyp != 0) {
        if (wert != a.kanonenTyp) return false;
    } else if (wert <= a.boden) {
        return false;
    }
    wert = static_cast<std::uint16_t>(wert - 1);
    addIncome(s, a.erloes);
    return true;
}

void shipyardStep(GameState& s, Services& services) {
    if (!rowCursorStep(s, kLetzteWerftzeile)) return;
    if ((s.mouseLeft || s.right) && werftKauf(s, s.zeig)) services.Sound(kKlick);
    if ((s.mouseRight || s.left) && werftVerkauf(s, s.zeig)) services.Sound(kKlick);
}
