#pragma once

#include <array>
#include <cstdint>

#include "platform/d3d_vector.h"
#include "world/game_text.h"
#include "world/stern.h"

// The fixed catalogue of the 545 star systems and the texts it refers to.
// Systems share their type, feature and constellation texts: two systems of
// the same type point at the same constant, and star types are compared by
// their text.

enum class Sternentyp : std::uint8_t {
    Normal,
    RoterZwerg,
    BlauerRiese,
    RoterRiese,
    WeisserRiese,
    BraunerZwerg,
    NormalKlein,  // "normal~" in lower case, entries 20 and 48: matches no comparison
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

const GameText& text(Sternentyp typ);
const GameText& text(Besonderheit besond);
const GameText& text(Sternbild bild);

// One catalogue row, in the order the catalogue sets the fields. Sky
// coordinates are as catalogued: the build stores 24 - rekt.
struct CatalogueEntry {
    GameText name;
    Sternentyp typ;
    Besonderheit besond;
    Sternbild sternbld;
    float groesse;      // 0.2 (brown dwarf) .. 1300
    std::int32_t planeten;  // index of the outermost planet, 2..24
    float dekl;         // declination, degrees
    float rekt;         // right ascension, hours
};

extern const std::array<CatalogueEntry, kSternAnzahl> kKatalog;
