#include "world/location_generation.h"

#include <limits>
#include <numbers>
#include <span>

#include "world/collision.h"
#include "world/goods.h"
#include "world/market.h"

namespace {

bool zufallstreffer(Random& rng, int modulus, int unter) { return rng.rand() % modulus < unter; }

// Ships that pass through: each type with its own small chance.
void addTraffic(GameState& s) {
    struct Verkehr { int modulus, typ; };
    constexpr Verkehr kVerkehr[] = {{20, kFrachter}, {10, kTransporter}, {15, kKurier}, {30, kTanker}, {40, kYacht}};
    for (const Verkehr& v : kVerkehr) {
        if (zufallstreffer(s.rng, v.modulus, 2)) addShip(s, v.typ);
    }
}

// Each station keeps its own ships, station by station.
void addStationShips(GameState& s) {
    for (const auto& station : s.station) {
        if (!station) continue;
        for (const int typ : stationsart(station->typ).schiffe) {
            if (typ != 0) addShip(s, typ);
        }
    }
}

constexpr int kImmer = std::numeric_limits<int>::min();  // a row for every ranking

// One row of a pirate group: when the ship's ranking is above `ranking`
// (kImmer: always) and a draw of rand() % modulus comes out 0, the row's ships
// come, and one more when weapons are aboard. The ranking is tested first,
// so a row the ship is too weak for draws nothing.
struct Verstaerkung {
    int ranking;
    int modulus;
    int typ[3];
    int mitWaffen;  // 0: none
};

void addGroup(GameState& s, int leader, std::span<const Verstaerkung> rows, int r, bool waffen) {
    addShip(s, leader);
    for (const Verstaerkung& row : rows) {
        if (!(r > row.ranking && zufallstreffer(s.rng, row.modulus, 1))) continue;
        for (int typ : row.typ) {
            if (typ != 0) addShip(s, typ);
        }
        if (waffen && row.mitWaffen != 0) addShip(s, row.mitWaffen);
    }
}

// The pirates of a location without trade, shipyard or traffic station, led
// by an Anfuehrer: more and stronger ones the stronger the ship is; weapons
// aboard draw more.
constexpr Verstaerkung kPiraten[] = {
    {kImmer, 3, {kJaeger}, kJaeger},
    {kImmer, 4, {kAnfuehrer}, kRaketenjaeger},
    {8, 2, {kAnfuehrer}, kJaeger},
    {11, 2, {kJaeger}, kRaketenjaeger},
    {14, 2, {kJaeger}, 0},
    {17, 2, {kJaeger}, 0},
    {20, 2, {kRaketenjaeger}, 0},
    {23, 2, {kRaketenjaeger}, 0},
    {26, 2, {kRaketenjaeger}, 0},
    {29, 2, {kSchlachtschiff, kAbfangjaeger, kAbfangjaeger}, 0},
    {kImmer, 30, {kSchlachtschiff, kAbfangjaeger, kAbfangjaeger}, 0},
};

// The squadron that waits for a ship with an accepted mission, wherever it
// goes, also led by an Anfuehrer.
constexpr Verstaerkung kMissionsgruppe[] = {
    {kImmer, 3, {kJaeger, kAnfuehrer}, 0},
    {kImmer, 4, {kAnfuehrer}, 0},
    {8, 2, {kAnfuehrer, kAnfuehrer}, 0},
    {11, 2, {kJaeger}, 0},
    {14, 2, {kRaketenjaeger}, 0},
    {17, 2, {kRaketenjaeger}, 0},
    {20, 2, {kRaketenjaeger}, 0},
    {23, 2, {kRaketenjaeger}, 0},
    {26, 2, {kRaketenjaeger}, 0},
    {29, 2, {kSchlachtschiff, kAbfangjaeger, kAbfangjaeger}, 0},
    {kImmer, 10, {kSchlachtschiff, kAbfangjaeger, kAbfangjaeger}, 0},
};

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

void Create_newCube(GameState& s, Services& services) {
    services.setMainLight();
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
    s.rng.srand(services.timeGetTime());
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
    if (!geschuetzt && s.rng.rand() % 30 < danger) addGroup(s, kAnfuehrer, kPiraten, r, waffen);
    s.missionskampf = false;
    if (s.aufgabePlanet != 0 && s.aufgabeMond != 0) {
        addGroup(s, kAnfuehrer, kMissionsgruppe, r, false);
    }
    // Arriving at the pending mission's target cell makes its kills the
    // mission fight.
    const bool mission = s.aufgabePlanet != 0 || s.aufgabeMond != 0;
    s.missionskampf = mission && s.planetenpos == s.aufgabePlanet && s.mondpos == s.aufgabeMond;

    setMarketPrices(s);
    drawPassengerOffer(s);
    drawMissionTarget(s);
}
