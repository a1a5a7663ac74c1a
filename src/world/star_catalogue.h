#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "world/stern.h"

// The fixed catalogue of the 545 star systems. One catalogue row, in the order the catalogue sets the fields. Sky
// coordinates are as catalogued: the build stores 24 - rekt.
struct CatalogueEntry {
    std::string_view name;
    Sternentyp typ;
    Besonderheit besond;
    Sternbild sternbld;
    float groesse;      // 0.2 (brown dwarf) .. 1300
    std::int32_t planeten;  // index of the outermost planet, 2..24
    float dekl;         // declination, degrees
    float rekt;         // right ascension, hours
};

extern const std::array<CatalogueEntry, kSternAnzahl> kKatalog;
