#include "world/market.h"

#include <array>

#include "world/goods.h"
#include "world/passengers.h"

namespace {

// How a good's price is made. Prices near the sun grow with the cell's
// distance from it, far goods with the distance to the outermost planet;
// military goods are dear where the government is weak (and twice that in
// war and unrest), raw materials where the economy is strong, technical
// goods where it is weak.
enum class Regel { Naehe, Ferne, Militaer, Rohstoff, Technik };

struct PreisRegel {
    int ware;
    Regel regel;
    int k;       // base or factor
    int streuung;  // the random part is rand() % streuung
};

// In the order the prices are drawn.
constexpr std::array<PreisRegel, kWarenAnzahl> kPreisRegeln{{
    {13, Regel::Naehe, 20, 3},     // Textilien
    {12, Regel::Naehe, 10, 2},     // Nahrung
    {14, Regel::Ferne, 30, 4},     // Ersatzteile
    {15, Regel::Ferne, 40, 5},     // Luxusgut
    {8, Regel::Militaer, 40, 5},   // Panzer
    {9, Regel::Militaer, 20, 5},   // Kanonen
    {10, Regel::Militaer, 30, 5},  // Raketen
    {11, Regel::Militaer, 10, 5},  // Munition
    {0, Regel::Rohstoff, 20, 5},   // Uran
    {1, Regel::Rohstoff, 30, 5},   // Platin
    {2, Regel::Rohstoff, 10, 5},   // Gold
    {3, Regel::Rohstoff, 40, 5},   // Iridium
    {4, Regel::Technik, 40, 5},    // Roboter
    {5, Regel::Technik, 30, 5},    // Computer
    {6, Regel::Technik, 20, 5},    // Elektronik
    {7, Regel::Technik, 10, 5},    // Maschinen
}};


constexpr int kMaxDurchlaeufe = 100;
constexpr int kMaxZielversuche = 10000;

}  // namespace

void setMarketPrices(GameState& s) {
    const Stern& stern = s.aktuellerStern();
    const int w = wirtschaft(stern);
    const int r = regierung(stern);
    const int p = s.planetenpos;
    const int m = s.mondpos;
    const int n = stern.planeten;

    for (const PreisRegel& regel : kPreisRegeln) {
        const int zufall = s.rng.rand() % regel.streuung;
        int wert = 0;
        switch (regel.regel) {
            case Regel::Naehe: wert = p + m + regel.k + zufall; break;
            case Regel::Ferne: wert = n - p - m + regel.k + zufall; break;
            case Regel::Militaer:
                wert = (10 - r) * regel.k + zufall;
                if (r <= 1) wert *= 2;
                break;
            case Regel::Rohstoff: wert = (w + 2) * regel.k + zufall; break;
            case Regel::Technik: wert = (9 - w) * regel.k + zufall; break;
        }
        preis(s, regel.ware) = wert;
    }
}

void drawPassengerOffer(GameState& s) {
    // Each kind has its share of rand() % 100, in the order of the kinds.
    int r = s.rng.rand() % 100;
    std::size_t art = 0;
    while (art + 1 < kPassagiere.size() && r >= kPassagiere[art].anteil) r -= kPassagiere[art++].anteil;
    s.passagiere = static_cast<std::uint16_t>(art);

    // Destination: a system within 20 degrees of declination and two hours of
    // right ascension, each candidate taken with chance 1 in 10, pass after
    // pass over the whole table; after 100 passes any system will do.
    const Stern& hier = s.aktuellerStern();
    const int anzahl = static_cast<int>(s.stern.size());
    for (int durchlauf = 0;; ++durchlauf) {
        if (durchlauf > kMaxDurchlaeufe) {
            s.pziel = static_cast<std::uint16_t>(s.rng.rand() % kSternAnzahl);
            return;
        }
        for (int i = 0; i < anzahl; ++i) {
            const Stern& dort = s.stern[i];
            const bool kandidat = i != s.sternenpos &&
                                  dort.dekl + 90 > hier.dekl + 90 - 20 &&
                                  dort.dekl + 90 < hier.dekl + 90 + 20 &&
                                  dort.rekt > hier.rekt - 2 && dort.rekt < hier.rekt + 2;
            if (kandidat && s.rng.rand() % 10 == 0) {
                s.pziel = static_cast<std::uint16_t>(i);
                return;
            }
        }
    }
}

void drawMissionTarget(GameState& s) {
    const Stern& stern = s.aktuellerStern();
    s.aufgabeP = 0;
    s.aufgabeM = 0;
    // A system whose only body is the current one has no target: after
    // enough tries the draw gives up with (0, 0), which means no mission.
    for (int versuch = 0; versuch < kMaxZielversuche && s.aufgabeP == 0 && s.aufgabeM == 0;
         ++versuch) {
        s.aufgabeP = static_cast<std::uint32_t>(s.rng.rand() % 23);
        s.aufgabeM = static_cast<std::uint32_t>(s.rng.rand() % 10);
        const int p = static_cast<int>(s.aufgabeP);
        const int m = static_cast<int>(s.aufgabeM);
        if (stern.planet(p, m) == 0 || (p == s.planetenpos && m == s.mondpos)) {
            s.aufgabeP = 0;
            s.aufgabeM = 0;
        }
    }
}
