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
    switch (station->typ) {
        case kHandelsstation: tradeStep(s, services); break;
        case kWerftstation: shipyardStep(s, services); break;
        case kVerkehrsstation: trafficStep(s); break;
        case kKampfstation: combatStationStep(s); break;
        default: break;
    }
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
