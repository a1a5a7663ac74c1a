#include "stations/combat_station.h"

#include "world/ship_types.h"

namespace {

constexpr int kDemokratie = 7;

bool kaempftNoch(const EnemyShip& ship) {
    const bool intakt = ship.typ >= 1 && ship.typ <= kSchiffstypen;
    return intakt && (isPirateType(ship.typ) || ship.attacking);
}

}  // namespace

void combatStationStep(GameState& s) {
    s.aufgabePlanet = static_cast<std::int32_t>(s.aufgabeP);
    s.aufgabeMond = static_cast<std::int32_t>(s.aufgabeM);
    if (regierung(s.aktuellerStern()) == kDemokratie) {
        s.aufgabePlanet = 0;
        s.aufgabeMond = 0;
    }
}

void missionKill(GameState& s) {
    if (!s.missionskampf) return;
    s.beute += kMissionsbeute;
    addIncome(s, kMissionsbeute);
    for (const auto& ship : s.raumschiff) {
        if (ship && kaempftNoch(*ship)) return;
    }
    s.aufgabePlanet = 0;
    s.aufgabeMond = 0;
    s.missionskampf = false;
    s.missionsmeldungz = kMissionsmeldungFrames;
}
