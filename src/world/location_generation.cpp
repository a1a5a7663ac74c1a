#include "world/location_generation.h"

#include <numbers>

#include "flight/collision.h"
#include "stations/market.h"
#include "world/goods.h"

namespace {



bool zufallstreffer(Random& rng, int modulus, int unter) { return rng.rand() % modulus < unter; }

// Ships that pass through: each type with its own small chance.
void addTraffic(GameState& s) {
    struct Verkehr { int modulus, typ; };
    constexpr Verkehr kVerkehr[] = {{20, 1}, {10, 2}, {15, 3}, {30, 5}, {40, 11}};
    for (const Verkehr& v : kVerkehr) {
        if (zufallstreffer(s.rng, v.modulus, 2)) addShip(s, v.typ);
    }
}

// Each station keeps its own ships: a shuttle and guards.
void addStationShips(GameState& s) {
    for (int slot = 0; slot < kStationSlots; ++slot) {
        if (!s.station[slot]) continue;
        switch (slot) {
            case kHandelsstation:
            case kVerkehrsstation:
                addShip(s, 12);
                addShip(s, 7);
                break;
            case kWerftstation:
                addShip(s, 7);
                break;
            case kKampfstation:
                for (int i = 0; i < 5; ++i) addShip(s, 7);
                break;
        }
    }
}

// The pirates of a location without trade, shipyard or traffic station. More
// and stronger ones come the stronger the ship is; weapons aboard draw more.
void addPirates(GameState& s, int r, int danger, bool waffen) {
    Random& rng = s.rng;
    if (!(rng.rand() % 30 < danger)) return;
    addShip(s, 8);
    if (zufallstreffer(rng, 3, 1)) {
        addShip(s, 4);
        if (waffen) addShip(s, 4);
    }
    if (zufallstreffer(rng, 4, 1)) {
        addShip(s, 8);
        if (waffen) addShip(s, 6);
    }
    if (r > 8 && zufallstreffer(rng, 2, 1)) {
        addShip(s, 8);
        if (waffen) addShip(s, 4);
    }
    if (r > 11 && zufallstreffer(rng, 2, 1)) {
        addShip(s, 4);
        if (waffen) addShip(s, 6);
    }
    if (r > 14 && zufallstreffer(rng, 2, 1)) addShip(s, 4);
    if (r > 17 && zufallstreffer(rng, 2, 1)) addShip(s, 4);
    for (int schwelle : {20, 23, 26}) {
        if (r > schwelle && zufallstreffer(rng, 2, 1)) addShip(s, 6);
    }
    if (r > 29 && zufallstreffer(rng, 2, 1)) {
        addShip(s, 9);
        addShip(s, 10);
        addShip(s, 10);
    }
    if (zufallstreffer(rng, 30, 1)) {
        addShip(s, 9);
        addShip(s, 10);
        addShip(s, 10);
    }
}

// The squadron that waits for a ship with an accepted mission, wherever it goes.
void addMissionGroup(GameState& s, int r) {
    Random& rng = s.rng;
    addShip(s, 8);
    if (zufallstreffer(rng, 3, 1)) {
        addShip(s, 4);
        addShip(s, 8);
    }
    if (zufallstreffer(rng, 4, 1)) addShip(s, 8);
    if (r > 8 && zufallstreffer(rng, 2, 1)) {
        addShip(s, 8);
        addShip(s, 8);
    }
    if (r > 11 && zufallstreffer(rng, 2, 1)) addShip(s, 4);
    for (int schwelle : {14, 17, 20, 23, 26}) {
        if (r > schwelle && zufallstreffer(rng, 2, 1)) addShip(s, 6);
    }
    if (r > 29 && zufallstreffer(rng, 2, 1)) {
        addShip(s, 9);
        addShip(s, 10);
        addShip(s, 10);
    }
    if (zufallstreffer(rng, 10, 1)) {
        addShip(s, 9);
        addShip(s, 10);
        addShip(s, 10);
    }
}

void createStations(GameState& s) {
    const Stern& stern = s.aktuellerStern();
    const int h = stern.planeten / 2;
    const bool innererPlanet = s.planetenpos < h && s.mondpos == 0;
    Random& rng = s.rng;

    for (auto& slot : s.station) slot.reset();
    auto create = [&s](int typ) {
        Station station;
        station.typ = typ;
        s.station[typ] = station;
    };

    if (innererPlanet || (s.mondpos != 0 && rng.rand() % 5 < 2)) create(kHandelsstation);
    if (innererPlanet) create(kVerkehrsstation);
    if (rng.rand() % 20 < 2) create(kWerftstation);
    const bool kampfZufall = rng.rand() % 9 < 8 - regierung(stern);
    const bool solMond = s.sternenpos == kSol && s.planetenpos == 2 && s.mondpos == 1;
    if (kampfZufall || solMond) create(kKampfstation);

    for (auto& slot : s.station) {
        if (!slot) continue;
        Station& station = *slot;
        station.ang.x = static_cast<float>(rng.rand() % 10 - 5) / 100.0f;
        station.ang.y = static_cast<float>(rng.rand() % 10 - 5) / 100.0f;
        station.ang.z = static_cast<float>(rng.rand() % 10 - 5) / 100.0f;
        // A place clear of every asteroid.
        const float halbeGroesse = station.scale * 15.0f;
        for (bool frei = false; !frei;) {
            station.pos = fieldPosition(rng);
            frei = true;
            for (const Asteroid& a : s.asteroid) {
                if (Collision(station.pos, halbeGroesse, a.pos, a.scale)) {
                    frei = false;
                    break;
                }
            }
        }
    }
}

void createGates(GameState& s) {
    const Stern& stern = s.aktuellerStern();
    const int p = s.planetenpos;
    const int m = s.mondpos;
    if (stern.planet(p, m + 1) != 0) s.mondtor.emplace(3);
    if (m != 0 && stern.planet(p, m - 1) != 0) s.planetentor.emplace(2);
    if (p != 0 && m == 0) s.sonnentor.emplace(0);
    if (p < stern.planeten && m == 0) s.aussentor.emplace(1);
    if (p == stern.planeten && m == 0) s.sternentor.emplace(1);
}

}  // namespace

void addShip(GameState& s, int typ) {
    for (auto& slot : s.raumschiff) {
        if (!slot) {
            slot.emplace(typ, s.rng);
            return;
        }
    }
}

void Create_newCube(GameState& s) {
    if (s.hooks.setMainLight) s.hooks.setMainLight();
    s.sonnentor.reset();
    s.aussentor.reset();
    s.planetentor.reset();
    s.mondtor.reset();
    s.sternentor.reset();

    // The scenery: the same on every visit.
    s.rng.srand(locationSeed(s.sternenpos, s.planetenpos, s.mondpos));
    for (Asteroid& a : s.asteroid) a.pos = fieldPosition(s.rng);

    s.bergasteroid.reset();
    if (s.aktuellerStern().planet(s.planetenpos, s.mondpos) >= kBergbauMarke) {
        s.bergasteroid.emplace(s.rng);
    }

    createStations(s);
    createGates(s);
    if (s.rng.rand() % 2 == 1) s.yviertel = std::numbers::pi_v<float>;
    s.raketenwarnz = 2;

    // Traffic, pirates, prices and offers: different on every arrival.
    s.rng.srand(s.timeGetTime ? s.timeGetTime() : systemMilliseconds());
    const int r = computeRanking(s);
    int danger = 8 - regierung(s.aktuellerStern());
    if (s.passagiertyp != kKeinePassagiere) danger += s.passagiertyp;

    for (auto& slot : s.raumschiff) slot.reset();
    addTraffic(s);
    addStationShips(s);

    if (hatGruppeAnBord(s, Warengruppe::Rohstoffe)) danger += 2;
    if (hatGruppeAnBord(s, Warengruppe::Technik)) danger += 4;
    const bool waffen = hatGruppeAnBord(s, Warengruppe::Waffen);
    if (waffen) danger += 8;
    if (hatGruppeAnBord(s, Warengruppe::Konsum)) danger += 1;

    const bool geschuetzt = s.station[kHandelsstation] || s.station[kWerftstation] ||
                            s.station[kVerkehrsstation];
    if (!geschuetzt) addPirates(s, r, danger, waffen);
    if (s.aufgabePlanet != 0 && s.aufgabeMond != 0) addMissionGroup(s, r);

    setMarketPrices(s);
    drawPassengerOffer(s);
    drawMissionTarget(s);
}
