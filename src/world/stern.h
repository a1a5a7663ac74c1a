#pragma once

#include <cstdint>

#include "platform/d3d_vector.h"
#include "world/game_text.h"

constexpr int kSternAnzahl = 545;
constexpr int kSol = 0;
constexpr int kAldebaran = 208;

// Rows of the body table: planets 0..24 (a system's outermost planet index
// reaches 24), and columns: body 0 is the planet itself, 1..9 its moons.
constexpr int kPlanetZeilen = 25;
constexpr int kKoerperSpalten = 10;

// Body code bit: a mining asteroid lies at this body and is not yet mined.
constexpr std::uint16_t kBergbauMarke = 16;

// The bodies of one system. A code is 0 for no body; its low four bits pick
// the texture and bit 4 is the mining mark. Every read outside the table
// gives 0 and every write outside it is ignored, so "the next moon" or "the
// planet after the last" can be asked for without a range check.
class BodyTable {
public:
    std::uint16_t operator()(int p, int m) const {
        return inside(p, m) ? codes_[p][m] : 0;
    }

    void set(int p, int m, std::uint16_t code) {
        if (inside(p, m)) codes_[p][m] = code;
    }

    static bool inside(int p, int m) {
        return p >= 0 && p < kPlanetZeilen && m >= 0 && m < kKoerperSpalten;
    }

private:
    std::uint16_t codes_[kPlanetZeilen][kKoerperSpalten] = {};
};

// One star system. The texts refer to the catalogue's shared constants.
struct Stern {
    GameText name{"~"};
    GameText typ{"~"};
    GameText besond{"~"};
    GameText sternbld{"~"};
    float rekt = 0.0f;     // right ascension, hours (stored as 24 - catalogue value)
    float dekl = 0.0f;     // declination, degrees
    float groesse = 0.0f;  // star size; kept, not used in play
    std::int32_t planeten = 0;  // index of the outermost planet
    BodyTable planet;
    std::uint16_t eigenschaften = 0;  // bits 0-2 government, 3-6 economy, 8-15 population
    D3DVECTOR pos;  // place on the star map, written when the map is drawn
};

inline int regierung(const Stern& s) { return s.eigenschaften & 7; }
inline int wirtschaft(const Stern& s) { return (s.eigenschaften / 8) & 15; }
inline int bevoelkerung(const Stern& s) { return s.eigenschaften / 256; }

// The government and economy words of the system information screen.
const GameText& regierungText(int regierung);
const GameText& wirtschaftText(int wirtschaft);
