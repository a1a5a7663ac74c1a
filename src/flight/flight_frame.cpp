#include "flight/flight_frame.h"

#include "flight/flight_step.h"
#include "save/options_menu.h"

namespace {

// The decoy's explosion counts down where it is drawn; it grows to ten times
// its hundred frames, and the decoy is gone after the last.
void decoyStep(GameState& s) {
    s.picture.dummy = s.dummy;
    s.picture.dummyExplosion = 0.0f;
    if (!s.dummy || s.dummy->explode <= 0) return;
    s.dummy->explode -= 1;
    s.picture.dummyExplosion = static_cast<float>(100 - s.dummy->explode) * 10.0f;
    if (s.dummy->explode == 0) s.dummy.reset();
}

// What the scene drawing used to decide as it drew.
void sceneStep(GameState& s) {
    s.picture.torTextur = flickerDraw(s.rng);
    s.picture.grauerHimmel = s.blitz != 0;
    s.blitz = 0;
    // The decoy's flicker draws its numbers whether or not one flies.
    s.picture.dummyTextur = flickerDraw(s.rng);
    decoyStep(s);
}

// A message shows while its counter is above 0, which counts it down.
bool countDown(std::int32_t& counter) {
    if (counter <= 0) return false;
    counter -= 1;
    return true;
}

void countMessages(GameState& s) {
    s.picture.sichtMeldung = countDown(s.sightchg);
    s.picture.beuteMeldung = countDown(s.beutezaehler);
    s.picture.bergbauMeldung = countDown(s.bergbaumeldungz);
    s.picture.missionsMeldung = countDown(s.missionsmeldungz);
}

// While the game-over message shows, the ship is held at the centre; the new
// game starts once more on the message's last but one frame.
void gameOverStep(GameState& s, Services& services) {
    s.picture.gameOverMeldung = s.gameover > 0;
    if (s.gameover <= 0) return;
    s.gameover -= 1;
    if (s.gameover == 1) Start_newGame(s, services);
    s.x = s.y = s.z = 0.0f;
}

}  // namespace

int flickerDraw(Random& rng) {
    int look = 0;
    if (rng.rand() % 16 < 8) look = 1;
    if (rng.rand() % 16 < 4) look = 2;
    if (rng.rand() % 16 < 2) look = 3;
    if (rng.rand() % 16 < 1) look = 4;
    return look;
}

void flightFrame(GameState& s, Services& services) {
    flightStep(s, services);
    sceneStep(s);
    countMessages(s);
    gameOverStep(s, services);
    Abspeichern(s, services);
    turnShip(s);
}
