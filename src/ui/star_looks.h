#pragma once

#include "platform/asset_manifest.h"
#include "world/stern.h"

// How a star of each type looks: as the sun of the flight view (a size
// factor and a texture) and as a sphere on the star map. The dwarfs and
// the lower-case "normal" star look alike.
struct Sternaussehen {
    int sonne;                 // the sun's size factor
    TextureName sonnenTextur;
    float karte;               // the map sphere's size
    TextureName kartenTextur;
};

const Sternaussehen& aussehen(Sternentyp typ);

// The types whose looks the star map draws, one look after another; every
// other type looks like one of them.
inline constexpr Sternentyp kKartenfolge[] = {Sternentyp::RoterRiese, Sternentyp::Normal, Sternentyp::BlauerRiese,
                                              Sternentyp::WeisserRiese, Sternentyp::RoterZwerg};
