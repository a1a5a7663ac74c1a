#pragma once

#include <cstdint>

#include "platform/d3d_vector.h"
#include <string_view>

#include "world/texts.h"

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

enum class Sternentyp : std::uint8_t {
    Normal,
    RoterZwerg,
    BlauerRiese,
    RoterRiese,
    WeisserRiese,
    BraunerZwerg,
    NormalKlein,  // "normal" in lower case, entries 20 and 48: looks like a dwarf
    Anzahl
};

enum class Besonderheit : std::uint8_t { Keine, Doppelstern, Veraenderlicher, Anzahl };

enum class Sternbild : std::uint8_t {
    Achterschiff, Adler, Altar, Andromeda, Baerenhueter, Becher, Bildhauer,
    Cassiopaia,  // the spelling of entry 41 only
    Cassiopeia, Cepheus, ChemischerOfen, Delphin, Drache, Dreieck, Einhorn,
    Eridanus, Fische, Fuchs, Fuhrmann, Giraffe, GrosserBaer, GrosserHund,
    HaarDerBerenike, Herkules, Hydra, Jagdhunde, Jungfrau, KleinerBaer,
    KleinerHund, Krebs, KreuzDesSuedens, Leier, Loewe, Luchs, Maler,
    NoerdlicheKrone, Oktant, Orion, Pegasus, Perseus, Pfau, Pfeil, Rabe,
    Schiffskiel, Schild, Schlangentraeger, Schlange, Schuetze, Schwan,
    Schwertfisch, Segel, Sextant, Skorpion, Steinbock, Stier, Tafelberg, Tukan,
    Waage, Walfisch, Wassermann, Widder, Zentaur, Zwillinge,
    Keines,  // Sol only
    Anzahl
};

// One star system. Its name is its own in every language; the type, the
// feature and the constellation are kinds, named in the texts.
struct Stern {
    std::string_view name;
    Sternentyp typ = Sternentyp::Normal;
    Besonderheit besond = Besonderheit::Keine;
    Sternbild sternbld = Sternbild::Keines;
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

// The words of the system information screen: the star type, the
// constellation, the government and the economy (an unknown one above 3).
constexpr TextId text(Sternentyp typ) { return TextId::Sternentyp + static_cast<int>(typ); }
constexpr TextId text(Sternbild bild) { return TextId::Sternbild + static_cast<int>(bild); }
constexpr TextId regierungText(int regierung) { return TextId::RegierungName + (regierung & 7); }
constexpr TextId wirtschaftText(int wirtschaft) {
    return TextId::WirtschaftName + (wirtschaft >= 0 && wirtschaft < 4 ? wirtschaft : 4);
}

// The feature's German name, for the inspector: no screen shows it.
std::string_view besonderheitName(Besonderheit besond);
