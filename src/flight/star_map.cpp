#include "flight/star_map.h"

#include "flight/gates.h"

void starMapStep(GameState& s, Services& services) {
    s.aufgabePlanet = 0;
    s.aufgabeMond = 0;
    if (s.shift || s.mouseButtonRight) jumpToSystem(s, services, s.sternenpos);
}
