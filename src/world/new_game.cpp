#include "world/game_state.h"
#include "world/goods.h"
#include "world/location_generation.h"

void Start_newGame(GameState& s, Services& services) {
    s.planetenpos = 2;
    s.sternenpos = 0;
    s.mondpos = 0;

    // The last game's mission would bring its squadron to Earth.
    s.aufgabePlanet = 0;
    s.aufgabeMond = 0;

    // Before the rest is reset: the cargo and passengers of the game that
    // just ended still take part in choosing Earth's pirates.
    Create_newCube(s, services);

    s.kampf = 0;
    // What was flying when the old game ended goes with it: a missile of the
    // last fight would otherwise hunt the new ship down at Earth.
    for (auto& shot : s.schuss) shot.reset();
    for (auto& missile : s.rakete) missile.reset();
    s.dummy.reset();
    for (int ware = 0; ware < kWarenAnzahl; ++ware) ladung(s, ware) = 0;
    s.passagierziel = 0;
    s.passagiertyp = kKeinePassagiere;
    s.raketenwarnz = 2;

    s.lenkraketen = 0;
    s.beschleuniger = 0;
    s.gigabomben = 0;
    s.ecm = 0;

    s.energielader = 1;
    s.energiespeicher = 1;
    s.schildlader = 1;
    s.schildspeicher = 1;
    s.kanone = 1;
    s.laderaum = 20;
    s.schild = 3;
    s.energie = 3;

    s.blickrichtung = {1.0f, 0.0f, 0.0f};
    s.aufrichtung = {0.0f, 1.0f, 0.0f};
    s.xAchse = {0.0f, 0.0f, -1.0f};
    s.x = s.y = s.z = 0.0f;

    // A ship that was flying on keeps its speed; one at rest or reversing stops.
    if (s.speed < 2.0f) s.speed = 0.0f;

    s.geld = 100;
}
