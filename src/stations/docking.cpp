#include "stations/docking.h"

namespace {
constexpr float kAbstandBeimVerlassen = 18.0f;  // station scales in front of it
}

void dockedStep(GameState& s) {
    if (!(s.shift || s.mouseButtonRight)) return;
    if (s.nStation >= 0 && s.nStation < kStationSlots && s.station[s.nStation]) {
        const Station& station = *s.station[s.nStation];
        const D3DVECTOR pos = station.pos + s.blickrichtung * (station.scale * kAbstandBeimVerlassen);
        s.x = pos.x;
        s.y = pos.y;
        s.z = pos.z;
    }
    s.render = 0;
    s.speed = 0.0f;
}
