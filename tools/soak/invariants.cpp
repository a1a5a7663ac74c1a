#include "soak/invariants.h"

#include <cmath>
#include <sstream>

namespace {

class Checker {
public:
    template <typename T>
    void range(const char* name, T value, T low, T high) {
        if (value < low || value > high) {
            std::ostringstream line;
            line << name << " = " << +value << " outside " << +low << ".." << +high;
            broken.push_back(line.str());
        }
    }

    void finite(const std::string& name, float v) {
        if (!std::isfinite(v)) broken.push_back(name + " is not a number");
    }
    void finite(const std::string& name, const D3DVECTOR& v) {
        finite(name + ".x", v.x);
        finite(name + ".y", v.y);
        finite(name + ".z", v.z);
    }

    void that(bool ok, const std::string& rule) {
        if (!ok) broken.push_back(rule);
    }

    std::vector<std::string> broken;
};

bool finite(const D3DVECTOR& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

constexpr float kZweiPi = 6.2831855f;

void location(Checker& c, const GameState& s) {
    c.range<int>("sternenpos", s.sternenpos, 0, static_cast<int>(s.stern.size()) - 1);
    c.that(s.sternAt(s.sternenpos).planet(s.planetenpos, s.mondpos) != 0, "the ship is at a body that does not exist");
}

void player(Checker& c, const GameState& s) {
    c.range("geld", s.geld, 0, INT32_MAX);
    c.range<int>("kanone", s.kanone, 0, 4);
    c.range<int>("energielader", s.energielader, 1, 65535);
    c.range<int>("schildlader", s.schildlader, 1, 65535);
    c.range<int>("energiespeicher", s.energiespeicher, 1, 4);
    c.range<int>("schildspeicher", s.schildspeicher, 1, 4);
    c.range<int>("laderaum", s.laderaum, 20, 65535);
    c.range<int>("lenkraketen", s.lenkraketen, 0, 7);
    c.range<int>("beschleuniger", s.beschleuniger, 0, 7);
    c.range<int>("gigabomben", s.gigabomben, 0, 7);
    c.range<int>("ecm", s.ecm, 0, 7);
    // Selling storage keeps the energy above the new cap, never above 4 x 7.
    c.range<int>("energie", s.energie, 0, 28);
    c.range<int>("schild", s.schild, 0, 28);
    c.that(s.passagiertyp < 10 || s.passagiertyp == kKeinePassagiere, "passagiertyp is no kind of passenger");
    c.range<int>("passagierziel", s.passagierziel, 0, kSternAnzahl - 1);
    c.range<int>("passagiere", s.passagiere, 0, 9);
    c.range<int>("pziel", s.pziel, 0, kSternAnzahl - 1);
    c.range<std::uint32_t>("aufgabeP", s.aufgabeP, 0, 22);
    c.range<std::uint32_t>("aufgabeM", s.aufgabeM, 0, 9);
    c.range("aufgabePlanet", s.aufgabePlanet, 0, 24);
    c.range("aufgabeMond", s.aufgabeMond, 0, 9);
    c.range("einnahmen", s.einnahmen, 0, INT32_MAX);
}

void frame(Checker& c, const GameState& s) {
    c.range("render", s.render, 0, 3);
    c.range("abspeichern", s.abspeichern, 0, 1);
    c.range<int>("zeig", s.zeig, 0, 15);
    c.range<int>("zeigverz", s.zeigverz, 0, 4);
    c.range<int>("torsprungz", s.torsprungz, 0, 200);
    if (s.render == 2) c.range("nStation", s.nStation, 0, kStationSlots - 1);
    c.range("gameover", s.gameover, 0, 150);
    c.range("hintFrames", s.hintFrames, 0, 500);
    c.range("menuMeldung", s.menuMeldung, 0, 4);
    c.range("menuMeldungz", s.menuMeldungz, 0, 120);
    c.range("SIGHT", s.SIGHT, 500.0f, 40000.0f);
    c.that(s.backsight == 1 || s.backsight == -1, "backsight is neither forward nor back");
    c.range("stationsrotation", s.stationsrotation, 0.0f, kZweiPi);
    c.range("beutezaehler", s.beutezaehler, 0, INT32_MAX);
    c.range("bergbaumeldung", s.bergbaumeldung, 0, 3);
    for (const std::int32_t flag : {s.left, s.right, s.up, s.down, s.shift, s.enter, s.feuer, s.missileKey,
                                    s.ecmKey, s.gigabombKey, s.optionsKey, s.mouseRight, s.mouseLeft,
                                    s.mouseUp, s.mouseDown, s.mouseButtonLeft, s.mouseButtonRight,
                                    s.wheelForward, s.wheelBack}) {
        c.range("an input flag", flag, 0, 1);
    }
}

void pose(Checker& c, const GameState& s) {
    c.finite("x", s.x);
    c.finite("y", s.y);
    c.finite("z", s.z);
    c.finite("speed", s.speed);
    c.finite("kipp", s.kipp);
    c.finite("nick", s.nick);
    c.finite("blickrichtung", s.blickrichtung);
    c.finite("aufrichtung", s.aufrichtung);
    c.finite("xAchse", s.xAchse);
    c.finite("nahfeind", s.nahfeind);
    c.finite("yviertel", s.yviertel);
}

// Shots fly at most 400 frames (the fourth cannon) and are fired only into
// the first 100 slots; enemies' missiles hunt the player, the player's one
// an enemy slot; the decoy's explosion runs 100 frames.
void fight(Checker& c, const GameState& s) {
    for (int i = 0; i < kSchussSlots; ++i) {
        if (!s.schuss[i]) continue;
        const Shot& shot = *s.schuss[i];
        const std::string name = "shot " + std::to_string(i);
        c.that(i < kSchussFeuerSlots, name + " lies beyond the slots shots are fired into");
        c.finite(name + " pos", shot.pos);
        c.finite(name + " velocity", shot.velocity);
        c.that(shot.typ == kSpielerSchuss || shot.typ == kFeindSchuss, name + " is nobody's");
        c.range((name + " life").c_str(), shot.life, 0.0f, 400.0f);
    }
    for (int i = 0; i < kRaketenSlots; ++i) {
        if (!s.rakete[i]) continue;
        const Missile& m = *s.rakete[i];
        const std::string name = "missile " + std::to_string(i);
        c.finite(name + " pos", m.pos);
        c.finite(name + " ang", m.ang);
        c.finite(name + " direction", m.direction);
        c.finite(name + " target", m.target);
        if (i == kSpielerRakete) {
            c.range((name + " target slot").c_str(), m.targetIndex, 0, kRaumschiffSlots - 1);
        } else {
            c.that(m.targetIndex == kZielSpieler, name + " hunts something else than the player");
        }
    }
    if (s.dummy) {
        c.finite("decoy pos", s.dummy->pos);
        c.finite("decoy ang", s.dummy->ang);
        c.range("decoy explode", s.dummy->explode, 0, 100);
    }
}

void objects(Checker& c, const GameState& s) {
    c.range<std::size_t>("asteroids", s.asteroid.size(), kAsteroidAnzahl, kAsteroidAnzahl);
    for (std::size_t i = 0; i < s.asteroid.size(); ++i) {
        const Asteroid& a = s.asteroid[i];
        if (!finite(a.pos) || !finite(a.ang)) c.that(false, "asteroid " + std::to_string(i) + " is not a number");
    }
    if (s.bergasteroid) c.finite("bergasteroid pos", s.bergasteroid->pos);
    for (int i = 0; i < kStationSlots; ++i) {
        if (!s.station[i]) continue;
        const std::string name = "station " + std::to_string(i);
        c.finite(name + " pos", s.station[i]->pos);
        c.finite(name + " ang", s.station[i]->ang);
        c.range(name.c_str(), s.station[i]->typ, 0, kStationSlots - 1);
    }
    for (int i = 0; i < kRaumschiffSlots; ++i) {
        if (!s.raumschiff[i]) continue;
        const EnemyShip& e = *s.raumschiff[i];
        const std::string name = "ship " + std::to_string(i);
        c.finite(name + " pos", e.pos);
        c.finite(name + " ang", e.ang);
        c.finite(name + " target", e.target);
        c.finite(name + " speed", e.speed);
        c.range((name + " typ").c_str(), e.typ, 1, 100);
    }
    for (const auto* gate : {&s.sonnentor, &s.aussentor, &s.planetentor, &s.mondtor, &s.sternentor}) {
        if (*gate) c.finite("gate pos", (*gate)->pos);
    }
    fight(c, s);
    c.finite("planet", s.planet.pos);
    c.finite("sonne", s.sonne.pos);
    c.finite("mond", s.mond.pos);
    c.finite("mond1", s.mond1.pos);
}

}  // namespace

std::vector<std::string> checkInvariants(const GameState& s) {
    Checker c;
    location(c, s);
    player(c, s);
    frame(c, s);
    pose(c, s);
    objects(c, s);
    return c.broken;
}
