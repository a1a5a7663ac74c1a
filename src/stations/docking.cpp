#include "stations/docking.h"

#include <numbers>

#include "stations/combat_station.h"
#include "stations/shipyard.h"
#include "stations/trade.h"
#include "stations/traffic.h"

namespace {

constexpr float kAbstandBeimVerlassen = 18.0f;  // station scales in front of it
constexpr float kDrehungProFrame = 0.02f;       // per frame, not per unit of time
constexpr float kVolleDrehung = 2.0f * std::numbers::pi_v<float>;

// The docked step of each station kind, by kind: the cursor and trading,
// the passengers' arrival, the mission.
constexpr void (*kSchritt[])(GameState&, Services&) = {
    tradeStep,
    shipyardStep,
    [](GameState& s, Services&) { trafficStep(s); },
    [](GameState& s, Services&) { combatStationStep(s); },
};
static_assert(std::size(kSchritt) == kStationSlots);

void verlassen(GameState& s, const Station& station) {
    const D3DVECTOR pos = station.pos + s.blickrichtung * (station.scale * kAbstandBeimVerlassen);
    s.x = pos.x;
    s.y = pos.y;
    s.z = pos.z;
    s.render = 0;
    s.speed = 0.0f;
}

}  // namespace

const Station* dockedStation(const GameState& s) {
    if (s.nStation < 0 || s.nStation >= kStationSlots) return nullptr;
    const auto& slot = s.station[static_cast<std::size_t>(s.nStation)];
    return slot ? &*slot : nullptr;
}

void dockedStep(GameState& s, Services& services) {
    const Station* station = dockedStation(s);
    if (!station) {
        s.render = 0;
        s.speed = 0.0f;
        return;
    }
    s.einnahmen = 0;
    s.stationsrotation += kDrehungProFrame;
    if (s.stationsrotation > kVolleDrehung) s.stationsrotation = 0.0f;
    if (station->typ >= 0 && station->typ < kStationSlots) kSchritt[static_cast<std::size_t>(station->typ)](s, services);
}

void leaveStation(GameState& s) {
    const Station* station = dockedStation(s);
    if (!station) return;
    if (s.shift || s.mouseButtonRight) {
        verlassen(s, *station);
        if (s.passagierevonbord) {
            addIncome(s, s.einnahmen);
            s.passagierevonbord = false;
            s.passagiertyp = kKeinePassagiere;
        }
    }
    if ((s.enter || s.mouseButtonLeft) && station->typ == kVerkehrsstation) {
        s.feuer = 0;
        passengerExchange(s);
        verlassen(s, *station);
    }
}
