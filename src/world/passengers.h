#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "world/stern.h"
#include "world/texts.h"

// The kinds whose arrival is a story of its own.
enum Passagierart : std::uint16_t {
    kVerbrecher = 6,     // arrested on arrival: the fare is lost
    kVolksbefreier = 7,  // start a revolt: the system falls into unrest
    kPrinzessin = 8,     // her companion starts a war there
    kGreis = 9,          // always bound for Aldebaran, which becomes a democracy
};

// A story told on arrival at the traffic station, and what it does: a
// system's government changes (the one arrived at, or a named one), or the
// fare is lost once shown.
constexpr int kAngekommen = -1;  // the system arrived at
struct Geschichte {
    TextId text;
    int system = kAngekommen;
    int regierung = -1;  // the new government; -1 none
    bool fahrpreisVerloren = false;
};

// One kind of passengers: the fare (offered, and paid on arrival), how many
// of every hundred offers are of the kind, the cockpit's word, the offer's
// text, a destination of its own instead of a drawn one, and the story.
struct Passagiergruppe {
    std::int32_t fahrpreis;
    int anteil;
    TextId wort;
    TextId angebot;
    std::optional<int> ziel;
    std::optional<Geschichte> geschichte;
};

inline constexpr std::array<Passagiergruppe, 10> kPassagiere{{
    {50, 30, TextId::Passagierwort + 0, TextId::Angebot + 0, {}, {}},
    {75, 20, TextId::Passagierwort + 1, TextId::Angebot + 1, {}, {}},
    {100, 15, TextId::Passagierwort + 2, TextId::Angebot + 2, {}, {}},
    {150, 15, TextId::Passagierwort + 3, TextId::Angebot + 3, {}, {}},
    {325, 10, TextId::Passagierwort + 4, TextId::Angebot + 4, {}, {}},
    {750, 3, TextId::Passagierwort + 5, TextId::Angebot + 5, {}, {}},
    {1250, 2, TextId::Passagierwort + 6, TextId::Angebot + 6, {},
     Geschichte{.text = TextId::Geschichte + 3, .fahrpreisVerloren = true}},
    {2500, 2, TextId::Passagierwort + 7, TextId::Angebot + 7, {}, Geschichte{.text = TextId::Geschichte + 2, .regierung = 1}},
    {5000, 2, TextId::Passagierwort + 8, TextId::Angebot + 8, {}, Geschichte{.text = TextId::Geschichte + 1, .regierung = 0}},
    {10000, 1, TextId::Passagierwort + 9, TextId::Angebot + 9, kAldebaran,
     Geschichte{.text = TextId::Geschichte + 0, .system = kAldebaran, .regierung = 7}},
}};
constexpr int kPassagierarten = static_cast<int>(kPassagiere.size());

// A kind's row; null for a number that names none (999: no passengers).
inline const Passagiergruppe* passagiergruppe(int art) {
    return art >= 0 && art < kPassagierarten ? &kPassagiere[static_cast<std::size_t>(art)] : nullptr;
}
