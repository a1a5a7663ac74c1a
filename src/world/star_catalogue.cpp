#include "world/star_catalogue.h"

#include "world/stern.h"

namespace {

constexpr GameText kTypText[] = {
    "Normal~", "Roter Zwerg~", "Blauer Riese~", "Roter Riese~",
    "Weisser Riese~", "Brauner Zwerg~", "normal~",
};
static_assert(std::size(kTypText) == static_cast<int>(Sternentyp::Anzahl));

constexpr GameText kBesondText[] = {"keine~", "Doppelstern~", "Veraenderlicher~"};
static_assert(std::size(kBesondText) == static_cast<int>(Besonderheit::Anzahl));

constexpr GameText kSternbildText[] = {
    "Achterschiff~", "Adler~", "Altar~", "Andromeda~", "Baerenhueter~", "Becher~",
    "Bildhauer~", "Cassiopaia~", "Cassiopeia~", "Cepheus~", "Chemischer Ofen~",
    "Delphin~", "Drache~", "Dreieck~", "Einhorn~", "Eridanus~", "Fische~", "Fuchs~",
    "Fuhrmann~", "Giraffe~", "Grosser Baer~", "Grosser Hund~", "Haar der Berenike~",
    "Herkules~", "Hydra~", "Jagdhunde~", "Jungfrau~", "Kleiner Baer~", "Kleiner Hund~",
    "Krebs~", "Kreuz des Suedens~", "Leier~", "Loewe~", "Luchs~", "Maler~",
    "Noerdliche Krone~", "Oktant~", "Orion~", "Pegasus~", "Perseus~", "Pfau~", "Pfeil~",
    "Rabe~", "Schiffskiel~", "Schild~", "Schlangentraeger~", "Schlange~", "Schuetze~",
    "Schwan~", "Schwertfisch~", "Segel~", "Sextant~", "Skorpion~", "Steinbock~", "Stier~",
    "Tafelberg~", "Tukan~", "Waage~", "Walfisch~", "Wassermann~", "Widder~", "Zentaur~",
    "Zwillinge~", "keines~",
};
static_assert(std::size(kSternbildText) == static_cast<int>(Sternbild::Anzahl));

constexpr GameText kRegierungText[] = {
    " KRIEG~", " Unruhen~", " Anarchie~", " Despotismus~",
    " Monarchie~", " Kommunismus~", " Republik~", " Demokratie~",
};

constexpr GameText kWirtschaftText[] = {
    " Wenig Technik~", " Normal~", " Hochtechnologie~", " Spitzentechnik~",
};

constexpr GameText kUnbekannt{" ?~"};

}  // namespace

const GameText& text(Sternentyp typ) { return kTypText[static_cast<int>(typ)]; }
const GameText& text(Besonderheit besond) { return kBesondText[static_cast<int>(besond)]; }
const GameText& text(Sternbild bild) { return kSternbildText[static_cast<int>(bild)]; }

const GameText& regierungText(int regierung) { return kRegierungText[regierung & 7]; }

// Only economies 0..3 are drawn; the four bits could hold more.
const GameText& wirtschaftText(int wirtschaft) {
    return (wirtschaft >= 0 && wirtschaft < 4) ? kWirtschaftText[wirtschaft] : kUnbekannt;
}
